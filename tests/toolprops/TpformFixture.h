#pragma once
#include "engine/ImagePic.h"
#include "tests/common/FakeMainServices.h"
#include "toolprops/TpControls.h"
#include "toolprops/Tpform.h"
#include "toolprops/ToolPreview.h"
#include "widgets/Rulskakt.h"
#include "widgets/TekstX.h"
#include "colours/ColorPan.h"
#include "pixeledit/PixelPic.h"
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

// The window over one white 200 x 200 document with a text layout, as a document window holds it.
struct TpformFixture : ::testing::Test {
    FakeMainServices services;
    std::unique_ptr<TImagePic> doc;
    TTekstX layout;
    std::unique_ptr<TTpform> form;

    void SetUp() override
    {
        doc = std::make_unique<TImagePic>();
        doc->SetAutoDim(true);
        doc->SetPicture(TBitmap(200, 200));
        doc->SetTekstBog(&layout);
        doc->SetBrushColor(clBlue);
        services.Picture = doc.get();
        form = std::make_unique<TTpform>(services);
        form->show();
    }

    // Types text into an edit as a user would: the field is emptied first.
    static void Type(QLineEdit* edit, const QString& text)
    {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }
    // The slider moved by the user to value.
    static void Slide(TSliderRow* row, int value) { row->Bar->SetPosition(value); }
    static QImage Pixels(const TToolPreview* p) { return p->Picture().Image().copy(); }
    static QImage White(const TToolPreview* p)
    {
        QImage white = Pixels(p);
        white.fill(Qt::white);
        return white;
    }
    bool Shown(TTpform::TPage page) const { return form->TpBog->isTabVisible(page); }
    TTpform::TPage Current() const { return TTpform::TPage(form->TpBog->currentIndex()); }
};
