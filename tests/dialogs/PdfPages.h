#pragma once
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QList>
#include <QMap>
#include <QRegularExpression>
#include <QStringList>
#include <QTransform>
#include <QtEndian>

// Reads back what a PDF written by Qt's PDF engine draws: every image it places, per page,
// with the image's own pixels and the rectangle it covers in device pixels of the printable
// page. It understands exactly what that engine writes for drawImage (Flate-compressed RGB
// image objects named /Im<object number>, one content stream a page, q/Q and cm), enough to
// check a print without a PDF renderer.
struct PdfImageDraw {
    int Page = 0;
    QRect Rect;     // device pixels, relative to the page's printable rectangle
    bool Upright = false; // the image's first row is at the rectangle's top
    QImage Image;
};

namespace PdfPages {

inline QByteArray Inflate(const QByteArray& data)
{
    QByteArray sized(4, '\0');
    qToBigEndian<quint32>(quint32(data.size() * 8 + 1024), sized.data());
    return qUncompress(sized + data);
}

inline QList<PdfImageDraw> Read(const QString& FileName)
{
    QFile file(FileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray pdf = file.readAll();
    QMap<int, QImage> images;
    QList<QByteArray> contents;
    // The dictionary may not run past its own object's end.
    static const QRegularExpression objStart("(\\d+) 0 obj\\s*<<((?:(?!endobj).)*?)>>\\s*stream\\r?\\n",
                                             QRegularExpression::DotMatchesEverythingOption);
    auto it = objStart.globalMatch(QString::fromLatin1(pdf));
    while (it.hasNext()) {
        const auto m = it.next();
        const QString dict = m.captured(2);
        const qsizetype begin = m.capturedEnd(0);
        const qsizetype end = pdf.indexOf("endstream", begin);
        QByteArray body = pdf.mid(begin, end - begin);
        // The engine ends every stream with one line break before "endstream".
        if (body.endsWith('\n'))
            body.chop(1);
        if (!dict.contains("/FlateDecode"))
            continue;
        body = Inflate(body);
        if (dict.contains("/Subtype /Image")) {
            const int w = QRegularExpression("/Width (\\d+)").match(dict).captured(1).toInt();
            const int h = QRegularExpression("/Height (\\d+)").match(dict).captured(1).toInt();
            if (body.size() != qsizetype(w) * h * 3)
                continue;
            QImage image(w, h, QImage::Format_RGB32);
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x) {
                    const auto* p = reinterpret_cast<const uchar*>(body.constData()) + (qsizetype(y) * w + x) * 3;
                    image.setPixel(x, y, qRgb(p[0], p[1], p[2]));
                }
            images[m.captured(1).toInt()] = image;
        } else if (!dict.contains("/Subtype")) {
            contents << body;
        }
    }
    QList<PdfImageDraw> draws;
    for (int page = 0; page < contents.size(); ++page) {
        // The first cm maps device pixels to points; everything after it is in device pixels.
        bool pageMatrixSeen = false;
        QList<QTransform> stack;
        QTransform ctm;
        QStringList operands;
        const QStringList tokens = QString::fromLatin1(contents[page]).split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
        for (const QString& t : tokens) {
            if (t == "q") {
                stack << ctm;
            } else if (t == "Q") {
                if (!stack.isEmpty())
                    ctm = stack.takeLast();
            } else if (t == "cm" && operands.size() >= 6) {
                const qsizetype n = operands.size();
                const QTransform m(operands[n - 6].toDouble(), operands[n - 5].toDouble(), operands[n - 4].toDouble(),
                                   operands[n - 3].toDouble(), operands[n - 2].toDouble(), operands[n - 1].toDouble());
                if (pageMatrixSeen)
                    ctm = m * ctm;
                pageMatrixSeen = true;
            } else if (t == "Do" && !operands.isEmpty() && operands.last().startsWith("/Im")) {
                PdfImageDraw d;
                d.Page = page;
                d.Image = images.value(operands.last().mid(3).toInt());
                d.Rect = ctm.mapRect(QRectF(0, 0, 1, 1)).toRect();
                d.Upright = ctm.map(QPointF(0, 1)).toPoint() == d.Rect.topLeft();
                draws << d;
            }
            if (t == "q" || t == "Q" || t == "cm" || t == "Do" || t.at(0).isLetter())
                operands.clear();
            else
                operands << t;
        }
    }
    return draws;
}

} // namespace PdfPages
