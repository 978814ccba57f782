#include "appcore/Settings.h"
#include "appcore/DataFolder.h"
#include "appcore/Lists.h"
#include <QRegularExpression>
#include <utility>

namespace {

QString Clean(QString text, bool name)
{
    static const QRegularExpression breaks(QStringLiteral("[\\r\\n]"));
    text.remove(breaks);
    if (name)
        text.remove(QLatin1Char('='));
    return text;
}

} // namespace

TSettings::TSettings(QString FileName) : FFileName(std::move(FileName)) {}

QString TSettings::FileNameIn(const TDataFolder& Folder)
{
    return Folder.Dir + QStringLiteral("/Indstillinger.txt");
}

void TSettings::Load()
{
    FValues.clear();
    for (const QString& line : ReadTextList(FFileName)) {
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0)
            continue;
        SetValue(line.left(eq), line.mid(eq + 1));
    }
}

bool TSettings::Save() const
{
    QStringList lines;
    for (const auto& [name, value] : FValues)
        lines.append(name + QLatin1Char('=') + value);
    return WriteTextList(FFileName, lines);
}

int TSettings::IndexOf(const QString& Name) const
{
    for (int i = 0; i < FValues.size(); ++i)
        if (FValues[i].first == Name)
            return i;
    return -1;
}

bool TSettings::Contains(const QString& Name) const
{
    return IndexOf(Name) >= 0;
}

QString TSettings::Value(const QString& Name, const QString& Default) const
{
    const int i = IndexOf(Name);
    return i < 0 ? Default : FValues[i].second;
}

void TSettings::SetValue(const QString& Name, const QString& Value)
{
    const QString name = Clean(Name, true);
    if (name.isEmpty())
        return;
    const int i = IndexOf(name);
    if (i < 0)
        FValues.append({name, Clean(Value, false)});
    else
        FValues[i].second = Clean(Value, false);
}

void TSettings::Remove(const QString& Name)
{
    const int i = IndexOf(Name);
    if (i >= 0)
        FValues.removeAt(i);
}
