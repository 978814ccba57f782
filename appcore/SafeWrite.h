#pragma once
#include <QByteArray>
#include <QString>

// Writes Data to FileName through a temporary file in the same folder and a rename, so a
// failed write (full disk, read-only folder) leaves any old file whole. False on failure.
bool WriteFileSafely(const QString& FileName, const QByteArray& Data);
