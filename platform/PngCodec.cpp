// PNG through libpng directly rather than Qt's reader and writer: its progressive reader hands
// over rows as they decode, so a file cut short keeps the rows before the cut (Qt's reader
// refuses it whole) and a thumbnail keeps only the rows and columns it needs without a raster of
// the full size; the writer uses one filter and a fast level, where Qt's defaults take close to
// a minute for a big photo.
//
// libpng reports errors by longjmp. The functions that call setjmp own nothing with a destructor
// and everything they fill lives in their callers, so the jump skips no C++ clean-up.
#include "platform/PictureCodecs.h"
#include <algorithm>
#include <csetjmp>
#include <cstring>
#include <png.h>
#include <vector>

namespace PictureCodecs {
namespace {
static_assert(QSysInfo::ByteOrder == QSysInfo::LittleEndian, "rows are written as B, G, R, A bytes");

constexpr int kLevel = 2;                  // zlib level of saved files
constexpr int kFilter = PNG_FILTER_UP;     // the one filter of saved files

void AppendBytes(png_structp png, png_bytep bytes, size_t n)
{
    static_cast<QByteArray*>(png_get_io_ptr(png))->append(reinterpret_cast<const char*>(bytes), qsizetype(n));
}

void Flush(png_structp) {}

void Fail(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void Ignore(png_structp, png_const_charp) {}

struct TReadStruct {
    TReadStruct()
    {
        png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, Fail, Ignore);
        info = png ? png_create_info_struct(png) : nullptr;
    }
    ~TReadStruct() { png_destroy_read_struct(&png, info ? &info : nullptr, nullptr); }
    png_structp png;
    png_infop info;
};

// What the progressive reader's callbacks share. Volatile where it is read after a longjmp.
struct TDecode {
    int step;            // keep every step-th row and column
    TBitmap* out;
    qint64 size;         // the file's bytes
    int w = 0, h = 0;
    int passes = 1;
    bool alpha = false;  // rows carry straight alpha (B, G, R, A) to compose onto white
    bool rgb = false;    // rows stay the file's R, G, B bytes (thumbnails of plain RGB files)
    volatile int rows = 0;       // rows delivered, all passes
    volatile bool ended = false; // the end of the file was reached
};

// The header is known: checks the size, sets the conversions to 8-bit B, G, R, A/X rows and
// makes the raster.
void OnHeader(png_structp png, png_infop info)
{
    auto& d = *static_cast<TDecode*>(png_get_progressive_ptr(png));
    const png_uint_32 w = png_get_image_width(png, info), h = png_get_image_height(png, info);
    if (!SizeAllowed(w, h))
        png_error(png, "too big");
    d.w = int(w);
    d.h = int(h);
    // Deflate packs at most 1,032 bytes into one: a file far too short for the rows it claims
    // is refused before the raster is allocated.
    if (qint64(h) * qint64(png_get_rowbytes(png, info) + 1) / 1032 > d.size)
        png_error(png, "too short for its size");
    const int type = png_get_color_type(png, info), depth = png_get_bit_depth(png, info);
    const bool trns = png_get_valid(png, info, PNG_INFO_tRNS) != 0;
    const bool interlaced = png_get_interlace_type(png, info) != PNG_INTERLACE_NONE;
    if (interlaced)
        d.step = 1; // an interlaced row is only whole after the last pass
    // A thumbnail of a plain RGB file converts only the rows it keeps.
    d.rgb = d.step > 1 && type == PNG_COLOR_TYPE_RGB && depth == 8 && !trns;
    if (!d.rgb) {
        if (type == PNG_COLOR_TYPE_PALETTE)
            png_set_palette_to_rgb(png);
        if (type == PNG_COLOR_TYPE_GRAY && depth < 8)
            png_set_expand_gray_1_2_4_to_8(png);
        if (trns)
            png_set_tRNS_to_alpha(png);
        if (depth == 16)
            png_set_scale_16(png);
        if (type == PNG_COLOR_TYPE_GRAY || type == PNG_COLOR_TYPE_GRAY_ALPHA)
            png_set_gray_to_rgb(png);
        png_set_bgr(png);
        d.alpha = (type & PNG_COLOR_MASK_ALPHA) != 0 || trns;
        if (!d.alpha)
            png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    }
    d.passes = png_set_interlace_handling(png);
    png_read_update_info(png, info);
    if (png_get_rowbytes(png, info) != size_t(d.w) * (d.rgb ? 3 : 4))
        png_error(png, "unexpected row size");
    d.out->Reshape((d.w + d.step - 1) / d.step, (d.h + d.step - 1) / d.step);
    if (d.out->Empty())
        png_error(png, "no memory");
    if (d.passes > 1) // the passes fill in the pixels of a white raster
        for (int y = 0; y < d.out->Height(); ++y)
            std::fill_n(d.out->ScanLine(y), d.out->Width(), 0xFFFFFFFFu);
}

// Every step-th pixel of a decoded row into a raster row.
void KeepColumns(const uchar* row, bool rgb, int w, int step, uint32_t* out)
{
    if (!rgb && step == 1) {
        std::memcpy(out, row, size_t(w) * 4);
        return;
    }
    int i = 0;
    if (rgb)
        for (int x = 0; x < w; x += step, ++i)
            out[i] = 0xFF000000u | uint32_t(row[3 * x]) << 16 | uint32_t(row[3 * x + 1]) << 8 | row[3 * x + 2];
    else
        for (int x = 0; x < w; x += step, ++i)
            std::memcpy(out + i, row + 4 * size_t(x), 4);
}

void OnRow(png_structp png, png_bytep row, png_uint_32 y, int)
{
    auto& d = *static_cast<TDecode*>(png_get_progressive_ptr(png));
    if (!row || int(y) >= d.h)
        return; // a row without pixels in this pass
    d.rows = d.rows + 1;
    if (d.passes > 1) {
        png_progressive_combine_row(png, reinterpret_cast<png_bytep>(d.out->ScanLine(int(y))), row);
        return;
    }
    if (int(y) % d.step != 0)
        return;
    uint32_t* line = d.out->ScanLine(int(y) / d.step);
    KeepColumns(row, d.rgb, d.w, d.step, line);
    if (d.alpha)
        ComposeOnWhite(line, d.out->Width());
}

void OnEnd(png_structp png, png_infop)
{
    static_cast<TDecode*>(png_get_progressive_ptr(png))->ended = true;
}

// Feeds the file to the progressive reader, which delivers rows as soon as they decode: a
// file that ends early simply delivers fewer. False when libpng reports an error.
bool Decode(png_structp png, png_infop info, const QByteArray& data, TDecode& d)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_set_user_limits(png, kMaxSide, kMaxSide);
    png_set_progressive_read_fn(png, &d, OnHeader, OnRow, OnEnd);
    png_process_data(png, info, reinterpret_cast<png_bytep>(const_cast<char*>(data.constData())), size_t(data.size()));
    return true;
}

} // namespace

void ComposeOnWhite(uint32_t* p, int n)
{
    for (int x = 0; x < n; ++x) {
        const uint32_t a = p[x] >> 24;
        if (a == 255)
            continue;
        uint32_t out = 0xFF000000u;
        for (int shift = 0; shift < 24; shift += 8) {
            const uint32_t c = (p[x] >> shift) & 0xFF;
            out |= ((c * a + 255 * (255 - a) + 127) / 255) << shift;
        }
        p[x] = out;
    }
}

bool PngSize(const QByteArray& data, int& w, int& h)
{
    const auto* d = reinterpret_cast<const uchar*>(data.constData());
    if (data.size() < 24 || png_sig_cmp(d, 0, 8) != 0 || std::memcmp(d + 12, "IHDR", 4) != 0)
        return false;
    const qint64 pw = qint64(d[16]) << 24 | d[17] << 16 | d[18] << 8 | d[19];
    const qint64 ph = qint64(d[20]) << 24 | d[21] << 16 | d[22] << 8 | d[23];
    if (!SizeAllowed(pw, ph))
        return false;
    w = int(pw);
    h = int(ph);
    return true;
}

bool ReadPng(const QByteArray& data, TBitmap& bitmap, bool* damaged, int step)
{
    int w = 0, h = 0;
    if (!PngSize(data, w, h))
        return false;
    TReadStruct s;
    if (!s.png || !s.info)
        return false;
    // The chunks' checksums already cover every byte of the compressed data, so the second
    // checksum over the much larger decompressed data is left out. A thumbnail does without
    // the chunks' checksums too: a damaged file shows as what it decodes to.
#ifdef PNG_IGNORE_ADLER32
    png_set_option(s.png, PNG_IGNORE_ADLER32, PNG_OPTION_ON);
#endif
    if (step > 1)
        png_set_crc_action(s.png, PNG_CRC_QUIET_USE, PNG_CRC_QUIET_USE);
    TBitmap out;
    TDecode d{std::max(step, 1), &out, data.size()};
    // Any fault libpng reports refuses the file, and so does an end before the first row.
    if (!Decode(s.png, s.info, data, d) || d.rows == 0 || out.Empty())
        return false;
    const bool whole = d.ended || (d.passes == 1 && d.rows == d.h);
    if (!whole && d.passes == 1) // the rows after the end stay white
        for (int y = (d.rows + d.step - 1) / d.step; y < out.Height(); ++y)
            std::fill_n(out.ScanLine(y), out.Width(), 0xFFFFFFFFu);
    if (d.alpha && d.passes > 1)
        for (int y = 0; y < out.Height(); ++y)
            ComposeOnWhite(out.ScanLine(y), out.Width());
    out.SetPixelFormat(pf24bit);
    bitmap = std::move(out);
    if (damaged)
        *damaged = !whole;
    return true;
}

namespace {
struct TWriteStruct {
    TWriteStruct()
    {
        png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, Fail, Ignore);
        info = png ? png_create_info_struct(png) : nullptr;
    }
    ~TWriteStruct() { png_destroy_write_struct(&png, info ? &info : nullptr); }
    png_structp png;
    png_infop info;
};

bool WriteRows(png_structp png, png_infop info, const QImage& image, QByteArray& data)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_set_write_fn(png, &data, AppendBytes, Flush);
    png_set_IHDR(png, info, png_uint_32(image.width()), png_uint_32(image.height()), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, kLevel);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, kFilter);
    png_write_info(png, info);
    png_set_bgr(png);
    png_set_filler(png, 0, PNG_FILLER_AFTER);
    for (int y = 0; y < image.height(); ++y)
        png_write_row(png, image.constScanLine(y));
    png_write_end(png, info);
    return true;
}
} // namespace

bool WritePng(const TBitmap& bitmap, QByteArray& data)
{
    if (bitmap.Empty())
        return false;
    TWriteStruct s;
    data.clear();
    return s.png && s.info && WriteRows(s.png, s.info, bitmap.Image(), data);
}

} // namespace PictureCodecs
