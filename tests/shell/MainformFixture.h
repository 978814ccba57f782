#pragma once
#include "appcore/DataFolder.h"
#include "appcore/Message.h"
#include "engine/ImagePic.h"
#include "platform/PictureCodecs.h"
#include "shell/FileCommands.h"
#include "shell/Mainform.h"
#include "shell/Malvoform.h"
#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

// Every main-window test starts the window on a data folder of its own, with messages caught
// and the question and file dialogs answered from lists instead of modal loops.
class MainformFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        qputenv("MALVO_HOME", Home.path().toLocal8Bit());
        Folder = TDataFolder::FromEnvironment();
        Folder.Prepare(QString());
        SetMessageCatcher([this](const QString& text) { Messages.append(text); });
    }
    void TearDown() override
    {
        Form.reset();
        SetMessageCatcher({});
    }

    // Creates and shows the main window with the parameters.
    TMainform& Start(const QStringList& params = {})
    {
        Form = std::make_unique<TMainform>(params);
        Form->FileCommands().Dialogs().RunQuestion = [this](TSpmform&) {
            ++Questions;
            return Answers.isEmpty() ? mrNo : Answers.takeFirst();
        };
        Form->FileCommands().Dialogs().RunFileDialog = [this](QFileDialog&) { return SaveAs; };
        Form->show();
        return *Form;
    }

    // Closes the window the way the user does; True when it closed.
    bool CloseForm() { return Form->close(); }

    // A w x h BMP file in the data folder's picture folder.
    QString WritePicture(const QString& name, int w = 8, int h = 6)
    {
        TBitmap bitmap(w, h);
        QByteArray data;
        EXPECT_TRUE(PictureCodecs::WriteBmp(bitmap, data));
        const QString path = Home.path() + QStringLiteral("/") + name;
        EXPECT_TRUE(PictureCodecs::WriteFileSafely(path, data));
        return path;
    }

    static QByteArray ReadAll(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // The main window's action of the name (a failure when there is none).
    QAction* Act(const char* name)
    {
        for (QAction* a : Form->findChildren<QAction*>(QLatin1String(name)))
            return a;
        ADD_FAILURE() << "no action " << name;
        static QAction none;
        return &none;
    }

    // A picture of the active document is marked as changed.
    void ModifyActive() { Form->GForm()->Image->SetModified(true); }

    QTemporaryDir Home;
    TDataFolder Folder{QString(), QString()};
    std::unique_ptr<TMainform> Form;
    QStringList Messages;
    QList<TModalResult> Answers;
    QStringList SaveAs;
    int Questions = 0;
};
