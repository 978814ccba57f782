#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include "appcore/MainServices.h"
#include "appcore/Options.h"

// A stand-in for the main window in window tests: it records every call and answers the
// question dialogs from a queue (mrCancel when the queue is empty).
class FakeMainServices : public TMainServices {
public:
    TImagePic* ActivePicture() override { return Picture; }
    TOptions& Options() override { return Opt; }
    bool Engelsk() const override { return Opt.Sprog == 1; }

    void InfoHint(const QString& S) override { Hints << S; }
    void StatusText(int Panel, const QString& S) override
    {
        while (Status.size() <= Panel)
            Status << QString();
        Status[Panel] = S;
    }
    void HentPicture(const QString& Fnavn) override { Opened << Fnavn; }
    bool FileDeleteRB(const QString& AFileName) override
    {
        Deleted << AFileName;
        return DeleteSucceeds;
    }
    TModalResult SpmJaNejAnnuller(const QString& Linie1, const QString& Linie2,
                                  const QString& Linie3) override
    {
        Questions << QStringList{Linie1, Linie2, Linie3};
        return Answers.isEmpty() ? mrCancel : Answers.takeFirst();
    }
    TModalResult SpmOkAnnuller(const QStringList& Info) override
    {
        Questions << Info;
        return Answers.isEmpty() ? mrCancel : Answers.takeFirst();
    }
    void HelpInfoNew(const QString& S) override { HelpTopics << S; }

    TImagePic* Picture = nullptr;
    TOptions Opt;
    QStringList Hints;
    QStringList Status;
    QStringList Opened;
    QStringList Deleted;
    bool DeleteSucceeds = true;
    QList<QStringList> Questions;
    QList<TModalResult> Answers;
    QStringList HelpTopics;
};
