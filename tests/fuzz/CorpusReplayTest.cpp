#include "LoaderTarget.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

// Every input of the fuzzing corpus, replayed on each run of the suite.
TEST(FuzzCorpus, EveryInputLoadsChecksAndRoundTrips)
{
    const QDir corpus(QStringLiteral(ROTAN_FUZZ_CORPUS));
    const QStringList inputs = corpus.entryList(QDir::Files);
    ASSERT_GE(inputs.size(), 10);
    for (const QString& name : inputs) {
        QFile file(corpus.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        const QByteArray bytes = file.readAll();
        EXPECT_EQ(exerciseLoaderAndChecks(
                      reinterpret_cast<const std::uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size()))
                      .toStdString(),
            "")
            << name.toStdString();
    }
}
