#include "shell/DesktopIntegration.h"
#include "platform/SafeWrite.h"
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUrl>

namespace {

constexpr int kToolTimeoutMs = 5000;

const char* const kEmptyBookmarks =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<xbel version=\"1.0\"\n"
    "      xmlns:bookmark=\"http://www.freedesktop.org/standards/desktop-bookmarks\"\n"
    "      xmlns:mime=\"http://www.freedesktop.org/standards/shared-mime-info\"\n"
    ">\n"
    "</xbel>\n";

bool RunTool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(kToolTimeoutMs) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

QString Escaped(const QString& text)
{
    return text.toHtmlEscaped();
}

// One bookmark of the shared file for a file opened by this program now.
QString BookmarkFor(const QString& FileName)
{
    const QString url = Escaped(QString::fromLatin1(QUrl::fromLocalFile(FileName).toEncoded()));
    const QString now = QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs);
    const QString mime = QMimeDatabase().mimeTypeForFile(FileName).name();
    return QStringLiteral("  <bookmark href=\"%1\" added=\"%2\" modified=\"%2\" visited=\"%2\">\n"
                          "    <info>\n"
                          "      <metadata owner=\"http://freedesktop.org\">\n"
                          "        <mime:mime-type type=\"%3\"/>\n"
                          "        <bookmark:applications>\n"
                          "          <bookmark:application name=\"Malvo\" exec=\"&apos;malvo %u&apos;\" "
                          "modified=\"%2\" count=\"1\"/>\n"
                          "        </bookmark:applications>\n"
                          "      </metadata>\n"
                          "    </info>\n"
                          "  </bookmark>\n")
        .arg(url, now, Escaped(mime));
}

bool WriteText(const QString& FileName, const QString& text)
{
    QDir().mkpath(QFileInfo(FileName).absolutePath());
    return WriteFileSafely(FileName, text.toUtf8());
}

} // namespace

std::unique_ptr<TDesktopIntegration> TDesktopIntegration::ForThisDesktop()
{
    const QString recent =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/recently-used.xbel");
    return std::make_unique<TFreedesktopIntegration>(qEnvironmentVariable("XDG_CURRENT_DESKTOP"), recent);
}

TFreedesktopIntegration::TFreedesktopIntegration(const QString& Desktop, const QString& RecentFile)
    : FRecentFile(RecentFile)
{
    const QString desktop = Desktop.toUpper();
    struct {
        const char* name;
        TKind kind;
        const char* tool;
    } const known[] = {{"CINNAMON", kCinnamon, "gsettings"}, {"MATE", kMate, "gsettings"},
                       {"GNOME", kGnome, "gsettings"},       {"UNITY", kGnome, "gsettings"},
                       {"BUDGIE", kGnome, "gsettings"},      {"KDE", kPlasma, "plasma-apply-wallpaperimage"}};
    for (const auto& k : known) {
        if (!desktop.contains(QLatin1String(k.name)))
            continue;
        FTool = QStandardPaths::findExecutable(QLatin1String(k.tool));
        if (!FTool.isEmpty())
            FKind = k.kind;
        break;
    }
}

bool TFreedesktopIntegration::CanSetWallpaper() const
{
    return FKind != kNone;
}

bool TFreedesktopIntegration::CanRemoveWallpaper() const
{
    return FKind != kNone && FKind != kPlasma;
}

bool TFreedesktopIntegration::SetWallpaper(const QString& FileName)
{
    const bool remove = FileName.isEmpty();
    if (remove ? !CanRemoveWallpaper() : !CanSetWallpaper())
        return false;
    const QString path = QFileInfo(FileName).absoluteFilePath();
    const QString uri = QUrl::fromLocalFile(path).toString();
    switch (FKind) {
    case kPlasma:
        return RunTool(FTool, {path});
    case kMate:
        return remove ? RunTool(FTool, {QStringLiteral("reset"), QStringLiteral("org.mate.background"),
                                        QStringLiteral("picture-filename")})
                      : RunTool(FTool, {QStringLiteral("set"), QStringLiteral("org.mate.background"),
                                        QStringLiteral("picture-filename"), path});
    case kGnome:
    case kCinnamon: {
        const QString schema = FKind == kGnome ? QStringLiteral("org.gnome.desktop.background")
                                               : QStringLiteral("org.cinnamon.desktop.background");
        const bool done = remove ? RunTool(FTool, {QStringLiteral("reset"), schema, QStringLiteral("picture-uri")})
                                 : RunTool(FTool, {QStringLiteral("set"), schema, QStringLiteral("picture-uri"), uri});
        // Newer GNOME shows another key in dark mode; older ones lack it, which is no failure.
        if (done && FKind == kGnome)
            remove ? RunTool(FTool, {QStringLiteral("reset"), schema, QStringLiteral("picture-uri-dark")})
                   : RunTool(FTool, {QStringLiteral("set"), schema, QStringLiteral("picture-uri-dark"), uri});
        return done;
    }
    case kNone:
        break;
    }
    return false;
}

bool TFreedesktopIntegration::CanUseRecentDocuments() const
{
    return !FRecentFile.isEmpty();
}

bool TFreedesktopIntegration::AddRecentDocument(const QString& FileName)
{
    if (!CanUseRecentDocuments() || !QFileInfo(FileName).isFile())
        return false;
    QString text;
    QFile file(FRecentFile);
    if (file.open(QIODevice::ReadOnly))
        text = QString::fromUtf8(file.readAll());
    file.close();
    if (!text.contains(QLatin1String("</xbel>")))
        text = QString::fromLatin1(kEmptyBookmarks);
    // An older entry of the same file gives way to the new one.
    const QString href = Escaped(QString::fromLatin1(QUrl::fromLocalFile(FileName).toEncoded()));
    const QRegularExpression old(QStringLiteral("[ \\t]*<bookmark href=\"") + QRegularExpression::escape(href) +
                                 QStringLiteral("\"[\\s\\S]*?</bookmark>\\s*\\n?"));
    text.remove(old);
    text.insert(text.lastIndexOf(QLatin1String("</xbel>")), BookmarkFor(FileName));
    return WriteText(FRecentFile, text);
}

bool TFreedesktopIntegration::ClearRecentDocuments()
{
    return CanUseRecentDocuments() && WriteText(FRecentFile, QString::fromLatin1(kEmptyBookmarks));
}
