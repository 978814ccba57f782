#include "appcore/SafeWrite.h"
#include <QSaveFile>

bool WriteFileSafely(const QString& FileName, const QByteArray& Data)
{
    QSaveFile file(FileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(Data) != Data.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
