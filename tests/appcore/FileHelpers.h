#pragma once
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <gtest/gtest.h>

// Whole-file reads and writes for tests that check files byte by byte.
inline QByteArray ReadAll(const QString& name)
{
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Writes bytes to name, making its folder first.
inline void WriteAll(const QString& name, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(name).path());
    QFile f(name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}
