# Thin wrappers around the scripts and CMake presets.
.PHONY: run test asan bench format

run:
	scripts/run

test:
	scripts/test

asan:
	scripts/test asan

# The published shift-scheduling instances; a copy lives in bench/instances. Then five larger
# instances of their format made by roster_generate from seeds (seed, staff, days, shift types).
ROSTER_INSTANCES ?= bench/instances

bench:
	scripts/install-deps
	cmake --preset release
	cmake --build build/release
	build/release/bench/rotan_bench
	build/release/bench/formetry_bench
	build/release/bench/rotan_report_bench
	build/release/bench/proposal_bench
	for i in 1 2 3; do build/release/bench/roster_bench $(ROSTER_INSTANCES)/Instance$$i.txt 10 || exit 1; done
	mkdir -p build/release/bench/generated
	for g in "1 10 28 2" "2 16 28 3" "3 20 28 4" "4 24 28 3" "5 30 28 4"; do \
		set -- $$g; f=build/release/bench/generated/g$$1-$$2x$$3-$$4.txt; \
		build/release/bench/roster_generate $$g > $$f && build/release/bench/roster_bench $$f 10 || exit 1; done

format:
	clang-format -i $$(git ls-files 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'bench/*.cpp')
