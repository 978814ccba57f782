#pragma once
#include <QString>
#include <memory>

// What the desktop offers for a picture file: the wallpaper and the desktop's list of recent
// documents. A desktop without a way for one of them says so, and its commands are disabled.
class TDesktopIntegration {
public:
    virtual ~TDesktopIntegration() = default;

    virtual bool CanSetWallpaper() const = 0;
    // An empty file name removes the wallpaper picture (where the desktop can).
    virtual bool CanRemoveWallpaper() const = 0;
    virtual bool SetWallpaper(const QString& FileName) = 0;

    virtual bool CanUseRecentDocuments() const = 0;
    virtual bool AddRecentDocument(const QString& FileName) = 0;
    virtual bool ClearRecentDocuments() = 0;

    // The integration of the desktop this program runs on.
    static std::unique_ptr<TDesktopIntegration> ForThisDesktop();
};

// The freedesktop way: the recent documents in the shared bookmark file recently-used.xbel,
// the wallpaper through the desktop's own settings tool (GNOME and its relatives through
// gsettings, MATE through its schema, Plasma through plasma-apply-wallpaperimage).
class TFreedesktopIntegration : public TDesktopIntegration {
public:
    // Desktop: the value of XDG_CURRENT_DESKTOP; RecentFile: the bookmark file.
    TFreedesktopIntegration(const QString& Desktop, const QString& RecentFile);

    bool CanSetWallpaper() const override;
    bool CanRemoveWallpaper() const override;
    bool SetWallpaper(const QString& FileName) override;
    bool CanUseRecentDocuments() const override;
    bool AddRecentDocument(const QString& FileName) override;
    bool ClearRecentDocuments() override;

private:
    enum TKind { kNone, kGnome, kCinnamon, kMate, kPlasma };
    TKind FKind = kNone;
    QString FTool;
    QString FRecentFile;
};
