// Images compared byte for byte with golden images committed beforehand. KESTRIGO_UPDATE_GOLDEN=1
// rewrites them instead (only after a change of output that is meant).
#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QString>
#include <cstring>
#include <string>

namespace golden {

// The first differing pixel, as text; empty when the images are equal.
inline std::string FirstDifference(const QImage& actual, const QImage& expected) {
    if (actual.size() != expected.size())
        return "size " + std::to_string(actual.width()) + "x" + std::to_string(actual.height()) +
               " instead of " + std::to_string(expected.width()) + "x" + std::to_string(expected.height());
    for (int y = 0; y < actual.height(); ++y) {
        if (std::memcmp(actual.constScanLine(y), expected.constScanLine(y),
                        static_cast<size_t>(actual.width()) * 4) == 0)
            continue;
        for (int x = 0; x < actual.width(); ++x)
            if (actual.pixel(x, y) != expected.pixel(x, y))
                return "pixel (" + std::to_string(x) + ", " + std::to_string(y) + ") is " +
                       QString::number(actual.pixel(x, y), 16).toStdString() + " instead of " +
                       QString::number(expected.pixel(x, y), 16).toStdString();
    }
    return {};
}

// `rendered` against `directory`/`name`.png.
inline void ExpectGolden(const QImage& rendered, const QString& directory, const char* name) {
    const QString path = directory + QString::fromLatin1(name) + QStringLiteral(".png");
    const QImage actual = rendered.convertToFormat(QImage::Format_RGB32);
    if (qEnvironmentVariableIntValue("KESTRIGO_UPDATE_GOLDEN") == 1) {
        QDir().mkpath(directory);
        ASSERT_TRUE(actual.save(path, "PNG")) << path.toStdString();
        return;
    }
    const QImage expected(path);
    ASSERT_FALSE(expected.isNull()) << "no golden image " << path.toStdString();
    EXPECT_EQ(FirstDifference(actual, expected.convertToFormat(QImage::Format_RGB32)), "") << name;
}

}  // namespace golden
