// JPEG through libjpeg-turbo's TurboJPEG interface. The raster's 32-bit pixels are B, G, R, X
// bytes in memory on little-endian machines, which TurboJPEG reads and writes directly. A photo
// whose orientation turns it a quarter goes through libjpeg-turbo's row interface instead, so
// that its rows are turned into place while they are still in the cache.
#include "platform/PictureCodecs.h"
#include <QtEndian>
#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <turbojpeg.h>
#include <sys/mman.h>
#include <unistd.h>
#include <vector>
#ifdef __SSE2__
#include <emmintrin.h>
#endif
// jpeglib.h wants FILE and size_t declared before it (cstdio).
#include <jpeglib.h>
#include <jerror.h>

namespace PictureCodecs {
namespace {
constexpr int kPixelFormat = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? TJPF_BGRX : TJPF_XRGB;

// Frees the TurboJPEG handle on every path.
struct THandle {
    explicit THandle(tjhandle h) : h(h) {}
    ~THandle()
    {
        if (h)
            tjDestroy(h);
    }
    tjhandle h;
};

// ---- The stream's structure up to its first scan ----
// Read only to tell a stream that ends early from a whole one, and to find out whether the
// first row of blocks of the first scan is all there; the decoding itself is TurboJPEG's.

constexpr int kMaxComponents = 10; // as the decoder allows

struct THuffTable {
    bool defined = false;
    int maxcode[17] = {}; // largest code of each length, -1 when none
    int mincode[17] = {};
    int valptr[17] = {};
    uchar vals[256] = {};
};

struct TStructure {
    int sof = -1; // the frame marker (0xC0 baseline, 0xC1 extended, 0xC2 progressive, ...)
    int width = 0, height = 0;
    int components = 0;
    int id[kMaxComponents] = {}, h[kMaxComponents] = {}, v[kMaxComponents] = {};
    THuffTable dc[4], ac[4];
    int restart = 0;
    bool adobe = false; // an Adobe APP14 marker: four components are stored inverted
    // The first scan: its components (frame indices) with their tables, and its band.
    int scanComponents = 0;
    int scanFrame[4] = {}, scanDc[4] = {}, scanAc[4] = {};
    int ss = 0, se = 0, ah = 0;
    qint64 scanData = -1; // the first byte of the first scan's entropy-coded data
};

bool BuildTable(const uchar* counts, const uchar* vals, THuffTable& t)
{
    int code = 0, k = 0;
    for (int l = 1; l <= 16; ++l) {
        t.valptr[l] = k;
        t.mincode[l] = code;
        code += counts[l - 1];
        k += counts[l - 1];
        t.maxcode[l] = counts[l - 1] ? code - 1 : -1;
        if (code >= (1 << l)) // over-subscribed, or the all-ones code: the decoder refuses it too
            return false;
        code <<= 1;
    }
    std::memcpy(t.vals, vals, size_t(k));
    t.defined = true;
    return true;
}

// The markers from the start of image to the first start of scan. False when they are not
// all there or make no sense (the decoder then decides on its own).
bool ParseStructure(const uchar* d, qint64 size, TStructure& s)
{
    if (size < 4 || d[0] != 0xFF || d[1] != 0xD8)
        return false;
    qint64 pos = 2;
    while (pos < size) {
        // Bytes before a marker are passed over, as the decoder does.
        while (pos < size && d[pos] != 0xFF)
            ++pos;
        while (pos < size && d[pos] == 0xFF)
            ++pos;
        if (pos >= size)
            return false;
        const int m = d[pos++];
        if (m == 0xD8 || m == 0x01 || m == 0x00 || (m >= 0xD0 && m <= 0xD7))
            continue; // markers without a segment
        if (m == 0xD9 || pos + 2 > size)
            return false;
        const int len = d[pos] << 8 | d[pos + 1];
        if (len < 2 || pos + len > size)
            return false;
        const uchar* g = d + pos + 2;
        const int n = len - 2;
        const bool isSof = m >= 0xC0 && m <= 0xCF && m != 0xC4 && m != 0xC8 && m != 0xCC;
        if (isSof && s.sof < 0) {
            if (n < 6)
                return false;
            s.sof = m;
            s.height = g[1] << 8 | g[2];
            s.width = g[3] << 8 | g[4];
            s.components = g[5];
            if (s.components < 1 || s.components > kMaxComponents || n < 6 + 3 * s.components)
                return false;
            for (int c = 0; c < s.components; ++c) {
                s.id[c] = g[6 + 3 * c];
                s.h[c] = g[7 + 3 * c] >> 4;
                s.v[c] = g[7 + 3 * c] & 15;
                if (s.h[c] < 1 || s.h[c] > 4 || s.v[c] < 1 || s.v[c] > 4)
                    return false;
            }
        } else if (m == 0xC4) {
            for (int at = 0; at < n;) {
                if (at + 17 > n)
                    return false;
                const int cls = g[at] >> 4, slot = g[at] & 15;
                int total = 0;
                for (int l = 0; l < 16; ++l)
                    total += g[at + 1 + l];
                if (cls > 1 || slot > 3 || total > 256 || at + 17 + total > n)
                    return false;
                THuffTable& t = cls ? s.ac[slot] : s.dc[slot];
                t = THuffTable();
                if (!BuildTable(g + at + 1, g + at + 17, t))
                    return false;
                at += 17 + total;
            }
        } else if (m == 0xDD) {
            if (n < 2)
                return false;
            s.restart = g[0] << 8 | g[1];
        } else if (m == 0xEE) {
            if (n >= 12 && std::memcmp(g, "Adobe", 5) == 0)
                s.adobe = true;
        } else if (m == 0xDA) {
            if (s.sof < 0 || n < 1)
                return false;
            const int ns = g[0];
            if (ns < 1 || ns > 4 || n < 1 + 2 * ns + 3)
                return false;
            for (int k = 0; k < ns; ++k) {
                const int* found = std::find(s.id, s.id + s.components, g[1 + 2 * k]);
                if (found == s.id + s.components)
                    return false;
                s.scanFrame[k] = int(found - s.id);
                s.scanDc[k] = g[2 + 2 * k] >> 4;
                s.scanAc[k] = g[2 + 2 * k] & 15;
                if (s.scanDc[k] > 3 || s.scanAc[k] > 3)
                    return false;
            }
            s.scanComponents = ns;
            s.ss = g[1 + 2 * ns];
            s.se = g[2 + 2 * ns];
            s.ah = g[3 + 2 * ns] >> 4;
            s.scanData = pos + len;
            return true;
        }
        pos += len;
    }
    return false;
}

// A whole stream has its end-of-image marker after its first scan began; entropy-coded data
// never holds that byte pair.
bool EndsProperly(const uchar* d, qint64 size, qint64 from)
{
    for (qint64 i = size - 2; i >= from; --i)
        if (d[i] == 0xFF && d[i + 1] == 0xD9)
            return true;
    return false;
}

// The bits of a scan's entropy-coded data; a marker or the end of the data ends them.
class TBits {
public:
    TBits(const uchar* d, qint64 pos, qint64 end) : d_(d), pos_(pos), end_(end) {}
    // The next bit, or -1 when the data has ended.
    int Bit()
    {
        if (left_ == 0) {
            if (pos_ >= end_)
                return -1;
            const uchar byte = d_[pos_++];
            if (byte == 0xFF) {
                while (pos_ < end_ && d_[pos_] == 0xFF)
                    ++pos_;
                if (pos_ >= end_ || d_[pos_] != 0x00)
                    return -1;
                ++pos_;
            }
            cur_ = byte;
            left_ = 8;
        }
        --left_;
        return (cur_ >> left_) & 1;
    }
    bool Skip(int n)
    {
        for (int i = 0; i < n; ++i)
            if (Bit() < 0)
                return false;
        return true;
    }
    // A restart marker between two intervals; the bits left in the byte are padding.
    bool Restart()
    {
        left_ = 0;
        while (pos_ + 1 < end_ && d_[pos_] == 0xFF && d_[pos_ + 1] == 0xFF)
            ++pos_;
        if (pos_ + 1 < end_ && d_[pos_] == 0xFF && d_[pos_ + 1] >= 0xD0 && d_[pos_ + 1] <= 0xD7) {
            pos_ += 2;
            return true;
        }
        return false;
    }
    // The next Huffman symbol, or -1 (data ended or no such code).
    int Symbol(const THuffTable& t)
    {
        int code = 0;
        for (int l = 1; l <= 16; ++l) {
            const int bit = Bit();
            if (bit < 0)
                return -1;
            code = code << 1 | bit;
            if (t.maxcode[l] >= 0 && code >= t.mincode[l] && code <= t.maxcode[l])
                return t.vals[t.valptr[l] + code - t.mincode[l]];
        }
        return -1;
    }

private:
    const uchar* d_;
    qint64 pos_, end_;
    int cur_ = 0, left_ = 0;
};

enum class TFirstRow { Decodes, Missing, Unknown };

// Whether the data of the first scan holds its whole first row of blocks (8 or more picture
// rows). Only Huffman-coded sequential and progressive streams are walked.
TFirstRow FirstRowOfBlocks(const uchar* d, qint64 size, const TStructure& s)
{
    if (s.sof != 0xC0 && s.sof != 0xC1 && s.sof != 0xC2)
        return TFirstRow::Unknown;
    const bool progressive = s.sof == 0xC2;
    if (progressive && (s.ss != 0 || s.se != 0 || s.ah != 0))
        return TFirstRow::Unknown; // a first scan that is not a first DC scan
    for (int k = 0; k < s.scanComponents; ++k)
        if (!s.dc[s.scanDc[k]].defined || (!progressive && !s.ac[s.scanAc[k]].defined))
            return TFirstRow::Unknown;
    const int hmax = *std::max_element(s.h, s.h + s.components);
    // The blocks of one minimum coded unit: (table slot, count) per scan component.
    qint64 units = 0;
    int blocks[4] = {};
    if (s.scanComponents == 1) {
        const int c = s.scanFrame[0];
        const qint64 columns = (qint64(s.width) * s.h[c] + hmax - 1) / hmax;
        units = (columns + 7) / 8;
        blocks[0] = 1;
    } else {
        units = (qint64(s.width) + 8 * hmax - 1) / (8 * hmax);
        for (int k = 0; k < s.scanComponents; ++k)
            blocks[k] = s.h[s.scanFrame[k]] * s.v[s.scanFrame[k]];
    }
    TBits bits(d, s.scanData, size);
    for (qint64 u = 0; u < units; ++u) {
        if (s.restart > 0 && u > 0 && u % s.restart == 0 && !bits.Restart())
            return TFirstRow::Missing;
        for (int k = 0; k < s.scanComponents; ++k) {
            const THuffTable& dc = s.dc[s.scanDc[k]];
            const THuffTable& ac = s.ac[s.scanAc[k]];
            for (int b = 0; b < blocks[k]; ++b) {
                const int size0 = bits.Symbol(dc);
                if (size0 < 0 || size0 > 16 || !bits.Skip(size0))
                    return TFirstRow::Missing;
                if (progressive)
                    continue;
                for (int i = 1; i < 64;) {
                    const int rs = bits.Symbol(ac);
                    if (rs < 0)
                        return TFirstRow::Missing;
                    const int run = rs >> 4, bitsOf = rs & 15;
                    if (bitsOf) {
                        i += run + 1;
                        if (!bits.Skip(bitsOf))
                            return TFirstRow::Missing;
                    } else if (run == 15) {
                        i += 16;
                    } else {
                        break; // end of block
                    }
                }
            }
        }
    }
    return TFirstRow::Decodes;
}

// The decoder's first warning tells of data that ended early.
bool WarnedOfEarlyEnd(tjhandle h)
{
    return QString::fromLatin1(tjGetErrorStr2(h)).contains(QLatin1String("premature end"), Qt::CaseInsensitive);
}

// Four-component pixels, as the decoder leaves them (C, M, Y, K bytes), become the raster's
// colours in place. Stored inverted (the Adobe convention): R = C x K / 255 and so on;
// otherwise R = (255 - C) x (255 - K) / 255.
void CmykToRgb(QImage& image, bool inverted)
{
    for (int y = 0; y < image.height(); ++y) {
        uchar* p = image.scanLine(y);
        auto* out = reinterpret_cast<uint32_t*>(p);
        for (int x = 0; x < image.width(); ++x) {
            int c = p[4 * x], m = p[4 * x + 1], yy = p[4 * x + 2], k = p[4 * x + 3];
            if (!inverted) {
                c = 255 - c;
                m = 255 - m;
                yy = 255 - yy;
                k = 255 - k;
            }
            const uint32_t r = uint32_t(c * k + 127) / 255, g = uint32_t(m * k + 127) / 255,
                           b = uint32_t(yy * k + 127) / 255;
            out[x] = 0xFF000000u | r << 16 | g << 8 | b;
        }
    }
}
// ---- Decoding a quarter-turned photo in strips ----

struct TJpegError {
    jpeg_error_mgr pub;
    jmp_buf jump;
    int firstWarning = -1;
};

void ErrorExit(j_common_ptr c) { longjmp(reinterpret_cast<TJpegError*>(c->err)->jump, 1); }
void EmitMessage(j_common_ptr c, int level)
{
    auto* e = reinterpret_cast<TJpegError*>(c->err);
    if (level < 0 && e->firstWarning < 0)
        e->firstWarning = e->pub.msg_code;
}
void OutputMessage(j_common_ptr) {}

constexpr int kStripRows = 32;

// Stored pixel (c, r) of a w x h picture lands in row RowOf(c) and column ColumnOf(r) of the
// upright raster (orientations 5 to 8).
struct TTurn {
    int o, w, h;
    int RowOf(int c) const { return o == 5 || o == 6 ? c : w - 1 - c; }
    int ColumnOf(int r) const { return o == 5 || o == 8 ? r : h - 1 - r; }
};

// Stored rows k0.. k1 - 1 of the strip (from row y0), columns c0.. c1 - 1, into out, one pixel at
// a time.
void TurnPixels(const uint32_t* strip, int y0, int k0, int k1, int c0, int c1, const TTurn& t, uint32_t* base,
                qsizetype stride)
{
    for (int c = c0; c < c1; ++c) {
        uint32_t* row = base + qsizetype(t.RowOf(c)) * stride;
        for (int k = k0; k < k1; ++k)
            row[t.ColumnOf(y0 + k)] = strip[qsizetype(k) * t.w + c];
    }
}

// n stored rows from row y0, w pixels each in strip, into their columns of out: in blocks of
// 4 x 4 pixels, four stored rows of four pixels becoming four upright rows of four.
void TurnStrip(const uint32_t* strip, int y0, int n, const TTurn& t, TBitmap& out)
{
    uint32_t* base = out.ScanLine(0);
    const qsizetype stride = out.Image().bytesPerLine() / 4;
    int c = 0, k = 0;
#ifdef __SSE2__
    const qsizetype down = t.o == 5 || t.o == 6 ? stride : -stride; // from stored column c's row to c + 1's
    const bool rising = t.o == 5 || t.o == 8;                        // columns grow with the stored row
    const int blockRows = n / 4 * 4;
    for (; c + 4 <= t.w; c += 4) {
        uint32_t* rows = base + qsizetype(t.RowOf(c)) * stride;
        for (k = 0; k < blockRows; k += 4) {
            const uint32_t* s = strip + qsizetype(k) * t.w + c;
            const __m128i r0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s));
            const __m128i r1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + t.w));
            const __m128i r2 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + 2 * qsizetype(t.w)));
            const __m128i r3 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + 3 * qsizetype(t.w)));
            const __m128i t0 = _mm_unpacklo_epi32(r0, r1), t1 = _mm_unpacklo_epi32(r2, r3);
            const __m128i t2 = _mm_unpackhi_epi32(r0, r1), t3 = _mm_unpackhi_epi32(r2, r3);
            __m128i col[4] = {_mm_unpacklo_epi64(t0, t1), _mm_unpackhi_epi64(t0, t1), _mm_unpacklo_epi64(t2, t3),
                              _mm_unpackhi_epi64(t2, t3)};
            const int at = t.ColumnOf(y0 + (rising ? k : k + 3));
            for (int j = 0; j < 4; ++j) {
                if (!rising)
                    col[j] = _mm_shuffle_epi32(col[j], _MM_SHUFFLE(0, 1, 2, 3));
                _mm_storeu_si128(reinterpret_cast<__m128i*>(rows + j * down + at), col[j]);
            }
        }
    }
    TurnPixels(strip, y0, blockRows, n, 0, c, t, base, stride); // the rows below the blocks
#endif
    TurnPixels(strip, y0, 0, n, c, t.w, t, base, stride); // the columns right of the blocks
}

// The decoding itself; libjpeg's errors come back here by longjmp, so it owns nothing with a
// destructor. out is already the upright size and strip holds kStripRows stored rows.
bool DecodeTurned(jpeg_decompress_struct& cinfo, TJpegError& err, const uchar* src, qint64 size, const TTurn& t,
                  uint32_t* strip, TBitmap& out)
{
    if (setjmp(err.jump))
        return false;
    jpeg_mem_src(&cinfo, src, static_cast<unsigned long>(size));
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? JCS_EXT_BGRX : JCS_EXT_XRGB;
    jpeg_start_decompress(&cinfo);
    if (int(cinfo.output_width) != t.w || int(cinfo.output_height) != t.h || cinfo.output_components != 4)
        return false;
    JSAMPROW rows[kStripRows];
    for (int k = 0; k < kStripRows; ++k)
        rows[k] = reinterpret_cast<JSAMPROW>(strip + qsizetype(k) * t.w);
    while (int(cinfo.output_scanline) < t.h) {
        const int y0 = int(cinfo.output_scanline);
        int n = 0;
        while (n < kStripRows && int(cinfo.output_scanline) < t.h)
            n += int(jpeg_read_scanlines(&cinfo, rows + n, JDIMENSION(kStripRows - n)));
        TurnStrip(strip, y0, n, t, out);
    }
    return true;
}

// A photo of orientation 5 to 8 decoded straight into the upright raster. earlyEnd tells that
// the decoder's first warning was of data that ended early.
bool ReadTurned(const uchar* src, qint64 size, int w, int h, int orientation, TBitmap& out, bool& earlyEnd)
{
    const TTurn t{orientation, w, h};
    out.Reshape(h, w);
    std::vector<uint32_t> strip(size_t(w) * kStripRows);
    if (out.Empty())
        return false;
    // The strips fill the raster column by column; its pages are brought in at once first,
    // which costs far less than a page fault at every new page a column reaches.
    const auto page = uintptr_t(sysconf(_SC_PAGESIZE));
    const auto first = (reinterpret_cast<uintptr_t>(out.ScanLine(0)) + page - 1) & ~(page - 1);
    const auto end = reinterpret_cast<uintptr_t>(out.ScanLine(out.Height() - 1) + out.Width()) & ~(page - 1);
    if (end > first)
        madvise(reinterpret_cast<void*>(first), end - first, MADV_POPULATE_WRITE); // refused before Linux 5.14
    jpeg_decompress_struct cinfo;
    TJpegError err;
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = ErrorExit;
    err.pub.emit_message = EmitMessage;
    err.pub.output_message = OutputMessage;
    jpeg_create_decompress(&cinfo);
    const bool ok = DecodeTurned(cinfo, err, src, size, t, strip.data(), out);
    jpeg_destroy_decompress(&cinfo);
    earlyEnd = err.firstWarning == JWRN_JPEG_EOF;
    return ok;
}
} // namespace

bool ReadJpeg(const QByteArray& data, TBitmap& bitmap, bool* damaged)
{
    if (data.isEmpty())
        return false;
    THandle dec(tjInitDecompress());
    if (!dec.h)
        return false;
    const auto* src = reinterpret_cast<const unsigned char*>(data.constData());
    const qint64 size = data.size();
    int w = 0, h = 0, subsampling = 0, colourspace = 0;
    if (tjDecompressHeader3(dec.h, src, static_cast<unsigned long>(size), &w, &h, &subsampling, &colourspace) != 0)
        return false;
    if (!SizeAllowed(w, h))
        return false;
    // Even the plainest picture needs about a bit per 8 x 8 block; a stream far too short for
    // the size it claims is refused before the raster is allocated.
    if (size < qint64(w) * h / 8192)
        return false;
    // A stream that ends early is refused when not even the first row of blocks is there, and
    // otherwise opened as damaged: the decoder fills in what is missing.
    TStructure structure;
    const bool parsed = ParseStructure(src, size, structure);
    bool cut = parsed && !EndsProperly(src, size, structure.scanData);
    if (cut && FirstRowOfBlocks(src, size, structure) == TFirstRow::Missing)
        return false;
    // A quarter-turned photo is decoded in strips straight into the upright raster.
    const int orientation = JpegOrientation(data);
    // Four components (CMYK, or YCCK which the decoder turns into CMYK) cannot be decoded to
    // RGB by the decoder; they are converted after decoding, and turned after that.
    const bool cmyk = colourspace == TJCS_CMYK || colourspace == TJCS_YCCK;
    TBitmap read;
    bool earlyEnd = false;
    if (orientation >= 5 && !cmyk) {
        if (!ReadTurned(src, size, w, h, orientation, read, earlyEnd))
            return false;
    } else {
        QImage image(w, h, QImage::Format_RGB32);
        if (image.isNull())
            return false;
        // A damaged stream still decodes as far as it goes; only a fatal error refuses the file.
        if (tjDecompress2(dec.h, src, static_cast<unsigned long>(size), image.bits(), w,
                          static_cast<int>(image.bytesPerLine()), h, cmyk ? TJPF_CMYK : kPixelFormat, 0) != 0) {
            if (tjGetErrorCode(dec.h) == TJERR_FATAL)
                return false;
            earlyEnd = WarnedOfEarlyEnd(dec.h);
        }
        if (cmyk)
            CmykToRgb(image, !parsed || structure.adobe);
        read.SetImage(image);
        image = QImage(); // the raster's pixels are its own, so turning them copies nothing
        Orient(read, orientation);
    }
    if (!cut && earlyEnd) {
        cut = true;
        if (parsed && FirstRowOfBlocks(src, size, structure) == TFirstRow::Missing)
            return false;
    }
    read.SetPixelFormat(pf24bit);
    bitmap = std::move(read);
    if (damaged)
        *damaged = cut;
    return true;
}

bool WriteJpeg(const TBitmap& bitmap, int quality, QByteArray& data)
{
    if (bitmap.Empty())
        return false;
    THandle enc(tjInitCompress());
    if (!enc.h)
        return false;
    const QImage& image = bitmap.Image();
    // Compressed straight into the result, sized for the worst case and then cut to the length.
    unsigned long size = tjBufSize(image.width(), image.height(), TJSAMP_420);
    if (size == static_cast<unsigned long>(-1))
        return false;
    data.resize(static_cast<qsizetype>(size));
    auto* out = reinterpret_cast<unsigned char*>(data.data());
    const int ok = tjCompress2(enc.h, image.constBits(), image.width(), static_cast<int>(image.bytesPerLine()),
                               image.height(), kPixelFormat, &out, &size, TJSAMP_420, std::clamp(quality, 1, 100),
                               TJFLAG_NOREALLOC);
    if (ok != 0)
        return false;
    data.resize(static_cast<qsizetype>(size));
    return true;
}

} // namespace PictureCodecs
