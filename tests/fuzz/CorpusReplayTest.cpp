#include "LoaderTarget.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

std::vector<std::string> corpusInputs()
{
    std::vector<std::string> names;
    for (const QString& name : QDir(QStringLiteral(ROTAN_FUZZ_CORPUS)).entryList(QDir::Files))
        names.push_back(name.toStdString());
    return names;
}

class FuzzCorpus : public ::testing::TestWithParam<std::string> { };

} // namespace

// Every input of the fuzzing corpus, replayed on each run of the suite, one test each.
TEST_P(FuzzCorpus, LoadsChecksRoundTripsAndComputesEveryView)
{
    QFile file(QDir(QStringLiteral(ROTAN_FUZZ_CORPUS)).filePath(QString::fromStdString(GetParam())));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_EQ(exerciseLoaderAndChecks(
                  reinterpret_cast<const std::uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size()))
                  .toStdString(),
        "");
}

INSTANTIATE_TEST_SUITE_P(
    Seeds, FuzzCorpus, ::testing::ValuesIn(corpusInputs()), [](const ::testing::TestParamInfo<std::string>& info) {
        std::string name = info.param;
        for (char& c : name)
            if (!std::isalnum(static_cast<unsigned char>(c)))
                c = '_';
        return name;
    });
