# Thin wrappers around the scripts and CMake presets.
.PHONY: run test asan bench format

run:
	scripts/run

test:
	scripts/test

asan:
	scripts/test asan

bench:
	scripts/install-deps
	cmake --preset release
	cmake --build build/release
	build/release/bench/rotan_bench
	build/release/bench/formetry_bench
	build/release/bench/rotan_report_bench
	build/release/bench/proposal_bench

format:
	clang-format -i $$(git ls-files 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'bench/*.cpp')
