#pragma once
#include "FakeDocumentHost.h"
#include "shell/CommandWindows.h"
#include "shell/ObjectMove.h"
#include "shell/PictureCommands.h"
#include "shell/ToolCommands.h"
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <gtest/gtest.h>

// The tool, picture and move commands on a fake main window: their actions sit on the window
// so that shortcuts reach them, and every control is shown so that clicks and keys reach it.
struct CommandsTest : ::testing::Test {
    FakeDocumentHost host;
    TCommandWindows windows;
    TToolCommands tools{host, windows, &host.Window};
    TPictureCommands pictures{host, windows, &host.Window};
    TObjectMove mover{host, &host.Window};

    CommandsTest()
    {
        for (const QList<QAction*>& actions : {tools.Actions(), pictures.Actions(), mover.Actions()})
            host.Window.addActions(actions);
        for (QWidget* w : host.Window.findChildren<QWidget*>())
            if (w->parentWidget() == &host.Window && w != host.Area)
                w->show();
        host.Window.activateWindow();
        QApplication::clipboard()->clear();
        QCoreApplication::processEvents();
    }

    // A new white picture as the active document.
    TMalvoform& NewPicture(const char* width = "40", const char* height = "30")
    {
        MakeNew(host, 1, 0, width, height);
        return *host.GForm();
    }
    void Update()
    {
        tools.UpdateActions();
        pictures.UpdateActions();
        mover.UpdateActions();
    }
    QAction* Act(const char* name) const
    {
        const QString n = QLatin1String(name);
        if (QAction* a = tools.Action(n))
            return a;
        if (QAction* a = pictures.Action(n))
            return a;
        return mover.Action(n);
    }
    // A key as the user presses it on the main window, after the idle pass.
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        Update();
        QTest::keyClick(&host.Window, key, modifiers);
    }
    static void PutPictureOnClipboard(int w, int h, QRgb colour)
    {
        QImage image(w, h, QImage::Format_RGB32);
        image.fill(colour);
        QApplication::clipboard()->setImage(image);
        QCoreApplication::processEvents();
    }
};
