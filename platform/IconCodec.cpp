// Reader and writer of icon files.
#include "platform/PictureCodecs.h"

namespace PictureCodecs {

bool ReadIcon(const QByteArray& data, TBitmap& colour, TBitmap& mask)
{
    return false;
}

bool WriteIcon(const TBitmap& colour, const TBitmap& mask, QByteArray& data)
{
    return false;
}

} // namespace PictureCodecs
