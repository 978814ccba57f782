#include "libraries/Thumbnail.h"
#include "platform/PictureCodecs.h"
#include "util/AlmenX.h"
#include "util/Near.h"
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cctype>
#include <fcntl.h>
#include <sys/stat.h>
#include <turbojpeg.h>
#include <unistd.h>

namespace {
constexpr int kPixelFormat = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? TJPF_BGRX : TJPF_XRGB;

struct TDecoder {
    TDecoder() : h(tjInitDecompress()) {}
    ~TDecoder()
    {
        if (h)
            tjDestroy(h);
    }
    TDecoder(const TDecoder&) = delete;
    TDecoder& operator=(const TDecoder&) = delete;
    tjhandle h;
};

// The smallest of the decoder's reductions (never an enlargement) that keeps the picture at
// least NeedW x NeedH.
tjscalingfactor CoveringScale(int W, int H, int NeedW, int NeedH)
{
    int count = 0;
    const tjscalingfactor* factors = tjGetScalingFactors(&count);
    tjscalingfactor best{1, 1};
    for (int i = 0; factors && i < count; ++i) {
        const tjscalingfactor f = factors[i];
        if (f.num > f.denom)
            continue;
        const int w = TJSCALED(W, f), h = TJSCALED(H, f);
        if (w >= NeedW && h >= NeedH && qint64(w) * h < qint64(TJSCALED(W, best)) * TJSCALED(H, best))
            best = f;
    }
    return best;
}

// Decodes a JPEG reduced by the DCT so that its target rectangle is still covered; the
// picture's own size goes to W x H. Four-component files are read whole by the codec.
bool ReadJpegReduced(const QByteArray& data, const TThumbLayout& Layout, TBitmap& Out, int& W, int& H)
{
    TDecoder dec;
    if (!dec.h || data.isEmpty())
        return false;
    const auto* src = reinterpret_cast<const unsigned char*>(data.constData());
    const auto size = static_cast<unsigned long>(data.size());
    int subsampling = 0, colourspace = 0;
    if (tjDecompressHeader3(dec.h, src, size, &W, &H, &subsampling, &colourspace) != 0)
        return false;
    if (!PictureCodecs::SizeAllowed(W, H) || data.size() < qint64(W) * H / 8192)
        return false;
    if (colourspace == TJCS_CMYK || colourspace == TJCS_YCCK) {
        if (!PictureCodecs::ReadJpeg(data, Out))
            return false;
        W = Out.Width();
        H = Out.Height();
        return true;
    }
    // The target belongs to the upright picture; the decoder reduces the stored one.
    const int orientation = PictureCodecs::JpegOrientation(data);
    const bool turned = orientation >= 5;
    const TRect target = ThumbTarget(turned ? H : W, turned ? W : H, Layout);
    const tjscalingfactor f = turned ? CoveringScale(W, H, target.Height(), target.Width())
                                     : CoveringScale(W, H, target.Width(), target.Height());
    const int w = TJSCALED(W, f), h = TJSCALED(H, f);
    QImage image(w, h, QImage::Format_RGB32);
    if (image.isNull())
        return false;
    if (tjDecompress2(dec.h, src, size, image.bits(), w, int(image.bytesPerLine()), h, kPixelFormat,
                      TJFLAG_FASTDCT) != 0
        && tjGetErrorCode(dec.h) == TJERR_FATAL)
        return false;
    Out.SetImage(image);
    PictureCodecs::Orient(Out, orientation);
    if (turned)
        std::swap(W, H);
    return !Out.Empty();
}

// A PNG read with only every n-th row and column kept, n as large as still covers its target.
bool ReadPngReduced(const QByteArray& data, const TThumbLayout& Layout, TBitmap& Out, int& W, int& H)
{
    if (!PictureCodecs::PngSize(data, W, H))
        return false;
    const TRect target = ThumbTarget(W, H, Layout);
    const int step = target.IsEmpty() ? 1 : std::max(1, std::min(W / target.Width(), H / target.Height()));
    return PictureCodecs::ReadPng(data, Out, nullptr, step);
}

bool ReadIconFile(const QByteArray& data, TBitmap& Out)
{
    TBitmap colour, mask;
    if (!PictureCodecs::ReadIcon(data, colour, mask))
        return false;
    PaintIconBackground(colour, mask);
    Out = std::move(colour);
    return true;
}

// The whole file by its own bytes; nothing for a folder, a missing file or one far larger than
// any picture we accept.
bool ReadLocalFile(const QByteArray& path, QByteArray& data)
{
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st;
    bool ok = fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size <= PictureCodecs::kMaxBytes + 4096;
    if (ok) {
        data.resize(qsizetype(st.st_size));
        qsizetype got = 0;
        while (ok && got < data.size()) {
            const ssize_t n = ::read(fd, data.data() + got, size_t(data.size() - got));
            ok = n > 0;
            got += ok ? n : 0;
        }
    }
    ::close(fd);
    return ok;
}

bool ReadWhole(TBilKind kind, const QByteArray& data, TBitmap& Out)
{
    switch (kind) {
    case bkJpg:
        return PictureCodecs::ReadJpeg(data, Out);
    case bkBmp:
        return PictureCodecs::ReadBmp(data, Out);
    case bkIco:
        return ReadIconFile(data, Out);
    case bkIngen:
        break;
    default:
        return PictureCodecs::ReadPicture(PictureTypeOf(kind), data, Out);
    }
    return false;
}

// The kind of an extension (without the dot, any case).
TBilKind KindOfExt(QStringView ext)
{
    if (ext.compare(QLatin1String("bmp"), Qt::CaseInsensitive) == 0)
        return bkBmp;
    if (ext.compare(QLatin1String("jpg"), Qt::CaseInsensitive) == 0)
        return bkJpg;
    if (ext.compare(QLatin1String("ico"), Qt::CaseInsensitive) == 0)
        return bkIco;
    switch (PictureCodecs::PictureTypeOf(ext)) {
    case PictureCodecs::ptPng: return bkPng;
    case PictureCodecs::ptWebp: return bkWebp;
    case PictureCodecs::ptTiff: return bkTiff;
    case PictureCodecs::ptGif: return bkGif;
    case PictureCodecs::ptNone: break;
    }
    return bkIngen;
}
} // namespace

PictureCodecs::TPictureType PictureTypeOf(TBilKind kind)
{
    switch (kind) {
    case bkPng: return PictureCodecs::ptPng;
    case bkWebp: return PictureCodecs::ptWebp;
    case bkTiff: return PictureCodecs::ptTiff;
    case bkGif: return PictureCodecs::ptGif;
    default: return PictureCodecs::ptNone;
    }
}

TBilKind BilKind(const QString& FNavn)
{
    return KindOfExt(TAlmenX::GetExt(FNavn));
}

TBilKind BilKind(const QByteArray& LokaltNavn)
{
    // The extension is ASCII, so the bytes after the last dot of the name tell the kind.
    const qsizetype slash = LokaltNavn.lastIndexOf('/');
    const qsizetype dot = LokaltNavn.lastIndexOf('.');
    if (dot < 0 || dot < slash || LokaltNavn.size() - dot > 5)
        return bkIngen;
    return KindOfExt(QString::fromLatin1(LokaltNavn.constData() + dot + 1, LokaltNavn.size() - dot - 1));
}

void PaintIconBackground(TBitmap& Colour, const TBitmap& Mask)
{
    const uint32_t white = ToQRgb(clWhite) & 0xFFFFFFu, black = ToQRgb(clBlack) & 0xFFFFFFu;
    const uint32_t background = ToQRgb(0x80C0C0) | 0xFF000000u;
    const int w = std::min(Colour.Width(), Mask.Width()), h = std::min(Colour.Height(), Mask.Height());
    for (int y = 0; y < h; ++y) {
        uint32_t* c = Colour.ScanLine(y);
        const uint32_t* m = Mask.ScanLine(y);
        for (int x = 0; x < w; ++x)
            if ((m[x] & 0xFFFFFFu) == white && (c[x] & 0xFFFFFFu) == black)
                c[x] = background;
    }
}

TRect ThumbTarget(int PicW, int PicH, const TThumbLayout& L)
{
    if (PicW <= 0 || PicH <= 0)
        return {};
    if (!L.Scale)
        return Rect(0, 0, PicW, PicH);
    if (!L.RealDim)
        return Rect(0, 0, L.W, L.H);
    const int m = L.Margen, W = L.RoomW - 2 * m, H = L.RoomH - 2 * m;
    if (W < 1 || H < 1)
        return {};
    const double sx = PicW > W ? double(W) / PicW : 1.0;
    const double sy = PicH > H ? double(H) / PicH : 1.0;
    const double f = std::min(sx, sy);
    const int sw = Near(PicW * f), sh = Near(PicH * f);
    int x = m, y = m;
    if (L.Centrer) {
        x += std::max(0, (W - sw) / 2);
        y += std::max(0, (H - sh) / 2);
    }
    return Rect(x, y, x + sw, y + sh);
}

TThumb MakeThumb(const QString& FNavn, const TThumbLayout& Layout)
{
    return MakeThumb(QFile::encodeName(FNavn), Layout);
}

TThumb MakeThumb(const QByteArray& LokalSti, const TThumbLayout& Layout)
{
    TThumb t;
    t.Bitmap.SetSize(std::max(1, Layout.W), std::max(1, Layout.H));
    if (Layout.RealDim) {
        TCanvas& c = t.Bitmap.Canvas();
        c.Brush = {Layout.FeltFarve, bsSolid};
        c.FillRect(t.Bitmap.BoundsRect());
    }
    const TBilKind kind = BilKind(LokalSti);
    QByteArray data;
    if (kind == bkIngen || !ReadLocalFile(LokalSti, data))
        return t;
    TBitmap picture;
    int W = 0, H = 0;
    if (kind == bkJpg || kind == bkPng) {
        if (!(kind == bkJpg ? ReadJpegReduced : ReadPngReduced)(data, Layout, picture, W, H))
            return t;
    } else {
        if (!ReadWhole(kind, data, picture))
            return t;
        W = picture.Width();
        H = picture.Height();
    }
    data = QByteArray(); // the file's bytes are no longer needed while drawing
    t.Ok = true;
    t.Bredde = W;
    t.Hojde = H;
    const TRect target = ThumbTarget(W, H, Layout);
    if (target.IsEmpty())
        return t;
    TCanvas& c = t.Bitmap.Canvas();
    if (!Layout.Scale)
        c.Draw(0, 0, picture);
    else
        c.StretchDraw(target, picture);
    return t;
}

bool LoadLibraryPicture(const QString& FNavn, TBitmap& Bitmap)
{
    const TBilKind kind = BilKind(FNavn);
    QByteArray data;
    if (kind == bkIngen || !QFileInfo(FNavn).isFile() || !PictureCodecs::ReadFile(FNavn, data))
        return false;
    TBitmap picture;
    if (!ReadWhole(kind, data, picture))
        return false;
    Bitmap = std::move(picture);
    return true;
}
