// TKnapPan: button behaviour of the panels.
#include "widgets/PreFelter.h"
#include "platform/MouseInput.h"
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>

namespace {
// The platform's key code of a Qt key, 0 for keys the panel leaves to its parent.
uint16_t VirtualKey(int key)
{
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return vk::Return;
    case Qt::Key_Space: return vk::Space;
    case Qt::Key_PageUp: return vk::Prior;
    case Qt::Key_PageDown: return vk::Next;
    case Qt::Key_End: return vk::End;
    case Qt::Key_Home: return vk::Home;
    case Qt::Key_Left: return vk::Left;
    case Qt::Key_Up: return vk::Up;
    case Qt::Key_Right: return vk::Right;
    case Qt::Key_Down: return vk::Down;
    case Qt::Key_Insert: return vk::Insert;
    case Qt::Key_Delete: return vk::Delete;
    default: return 0;
    }
}

// Clears a flag when the scope ends.
class TGuard {
public:
    explicit TGuard(bool& flag) : flag_(flag) { flag_ = true; }
    ~TGuard() { flag_ = false; }

private:
    bool& flag_;
};
} // namespace

TKnapPan::TKnapPan(QWidget* parent) : TBTFCompo(parent) {}

// ---- Field states ----

void TKnapPan::FeltNede(int k)
{
    if (!Felt(k))
        return;
    F[k].Sit = 2;
    F[k].Fokus = true;
    RepaintFelt(k, KunRam);
}

void TKnapPan::FeltOver(int k)
{
    if (!Felt(k))
        return;
    F[k].Sit = 3;
    F[k].Fokus = true;
    RepaintFelt(k, KunRam);
    MusOver(k);
}

void TKnapPan::FeltNormal(int k)
{
    // A latched field's normal look is pressed; an inactive field stays inactive.
    FjernFokus(k);
}

void TKnapPan::FjernFokus(int k)
{
    if (!Felt(k))
        return;
    TFeltRec& r = F[k];
    const uint8_t sit = r.Sit == 0 ? 0 : r.Down ? 2 : 1;
    if (r.Sit == sit && !r.Fokus)
        return;
    r.Sit = sit;
    r.Fokus = false;
    RepaintFelt(k, KunRam);
}

bool TKnapPan::SaetFokus(int k)
{
    if (!Aktiv(k))
        return false;
    if (F[k].Fokus && ANr == k)
        return true;
    if (ANr != k)
        FjernFokus(ANr);
    ANr = k;
    FeltOver(k);
    return true;
}

void TKnapPan::MusOver(int k)
{
    if (OnMusOver)
        OnMusOver(this, k + FStartNr);
}

int TKnapPan::AntalAktive() const
{
    int s = 0;
    for (int k = 0; k < FAntal; ++k)
        s += Aktiv(k) ? 1 : 0;
    return s;
}

int TKnapPan::ForsteAktive() const
{
    for (int k = 0; k < FAntal; ++k)
        if (Aktiv(k))
            return k;
    return -1;
}

int TKnapPan::SidsteAktive() const
{
    for (int k = FAntal - 1; k >= 0; --k)
        if (Aktiv(k))
            return k;
    return -1;
}

// ---- Paint ----

void TKnapPan::Paint()
{
    TPaintGuard guard;
    // The flag follows the real keyboard focus: a panel that got the focus before its first
    // paint, when gaining it did nothing, would otherwise ignore the pointer until clicked.
    if (!Focus && hasFocus())
        Focus = true;
    if (FFocusReguler && FRammeFelt)
        FNoOverFocus = !FRammeFelt->FocusRamme();
    TBTFCompo::Paint();
}

void TKnapPan::RepaintFocusRammer()
{
    const bool ydre = FRammeYdre && FRammeYdre->FocusRamme();
    const bool indre = FRammeIndre && FRammeIndre->FocusRamme();
    // A focus ring lies inside the frame, over what the panel shows there: the panel paints
    // again rather than leave the ring's pixels behind.
    if (CompoPainted && (ydre || indre))
        Paint();
}

// ---- Mouse ----

void TKnapPan::MouseDown(TMouseButton Button, TShiftState, int X, int Y)
{
    if (FAntal <= 0 || FNoMouse || !CompoPainted)
        return;
    if (focusPolicy() != Qt::NoFocus)
        setFocus(Qt::MouseFocusReason);
    const int k = FeltVed(X, Y);
    if (k < 0 || F[k].Sit == 0)
        return;
    KunRam = FFlatSelect;
    MouseNede = true;
    MouseOver = true;
    if (ANr != k)
        FjernFokus(ANr);
    ANr = k;
    FeltNede(k);
}

void TKnapPan::MouseMove(TShiftState, int X, int Y)
{
    if (FAntal <= 0 || FNoMouse || !CompoPainted)
        return;
    if (MouseNede) {
        if (!Synlig(ANr))
            return;
        const bool inside = F[ANr].IR.Contains(X, Y);
        if (!inside && MouseOver) {
            MouseOver = false;
            if (FFocusInOut) {
                FeltNormal(ANr);
            } else {
                F[ANr].Sit = 3;
                F[ANr].Fokus = true;
                RepaintFelt(ANr, KunRam);
            }
        } else if (inside && !MouseOver) {
            MouseOver = true;
            FeltNede(ANr);
        }
        return;
    }
    if (!Focus && FNoOverFocus)
        return;
    // A focusable panel takes the focus; the platform delivers the focus change at once.
    if (!Focus && focusPolicy() != Qt::NoFocus && isEnabled() && isVisible() && window()->focusWidget() != this)
        setFocus(Qt::MouseFocusReason);
    if (!FFocusOver || FAntal <= 0)
        return;
    KunRam = FFlatSelect;
    const int k = FeltVed(X, Y);
    if (k >= 0 && F[k].Sit != 0) {
        if (FFocusInOut || k != OverNr) {
            MouseOver = true;
            OverNr = k;
            SaetFokus(k);
        }
    } else {
        // Over no field, or over an inactive one: the current field is left.
        ForladFelter();
    }
    KunRam = false;
}

void TKnapPan::ForladFelter()
{
    if (!MouseOver)
        return;
    MouseOver = false;
    if (!Aktiv(ANr))
        return;
    if (FFocusInOut) {
        FjernFokus(ANr);
        return;
    }
    TFeltRec& r = F[ANr];
    const uint8_t sit = r.Down ? 2 : 3;
    if (r.Sit == sit && r.Fokus)
        return;
    r.Sit = sit;
    r.Fokus = true;
    RepaintFelt(ANr, KunRam);
}

void TKnapPan::MouseUp(TMouseButton Button, TShiftState, int X, int Y)
{
    if (!MouseNede)
        return;
    MouseNede = false;
    if (Synlig(ANr) && F[ANr].IR.Contains(X, Y)) {
        FeltOver(ANr);
        const int nr = ANr + FStartNr;
        if (FOnMusKlik)
            FOnMusKlik(Button, nr);
        if (OnMus)
            OnMus(this, Button, nr);
    } else {
        FeltNormal(ANr);
        MouseOver = false;
    }
    KunRam = false;
}

// ---- Scrolling ----

bool TKnapPan::StartNrTil(int NytNr, bool Opkald, bool MedOver)
{
    if (PaintingOn || NytNr < 0 || FAntal <= 0)
        return false;
    TGuard guard(PaintingOn);
    ANr = std::clamp(ANr, 0, FAntal - 1);
    NytNr = std::min(NytNr, MaxStartNr());
    if (NytNr == FStartNr)
        return false;
    KunRam = false;
    FStartNr = NytNr;
    FSlutNr = NytNr + FAntal - 1;
    if (CompoPainted) {
        if (FOnstartNrChange)
            FOnstartNrChange();
        else
            for (int k = 0; k < FAntal; ++k)
                RepaintFelt(k);
    }
    if (Opkald && OnStartNr)
        OnStartNr(this, FStartNr);
    if (MedOver)
        MusOver(ANr);
    return true;
}

bool TKnapPan::Rul(int NytNr)
{
    return StartNrTil(NytNr, true, false);
}

void TKnapPan::NytStartNr(int NytNr, bool Opkald)
{
    StartNrTil(NytNr, Opkald, true);
}

void TKnapPan::NytAntalVL(int AVandret, int ALodret)
{
    const bool cursor = qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
    if (cursor)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    OverNr = ANr = -1;
    MouseNede = MouseOver = false;
    F.clear();
    FAntalVandret = std::clamp(AVandret, 1, kMaxAkse);
    FAntalLodret = std::clamp(ALodret, 1, kMaxAkse);
    FStartNr = 0;
    RetAntal();
    FBeregnet = false;
    Beregn();
    FStartNr = 0;
    FSlutNr = FAntal - 1;
    Repaint();
    if (cursor)
        QGuiApplication::restoreOverrideCursor();
}

// ---- Keyboard ----

bool TKnapPan::KeyTarget(uint16_t Key, int c, int& p, int& p0) const
{
    const int A = FAntal, T = FAntalIalt, V = std::max(1, FAntalVandret), L = std::max(1, FAntalLodret);
    // The whole grid, filled or not: row-by-row Down and Up wrap between its top and bottom
    // rows, and a target beyond the visible fields is brought back below.
    const int G = V * L;
    const int last = A - 1;
    // Column by column: the grid as far as it holds visible fields, whole columns up to the
    // last one, so Left and Right stay on fields that are shown.
    const int Gc = ((A + L - 1) / L) * L;
    switch (Key) {
    case vk::Space:
        p = c + 1;
        break;
    case vk::Right:
        if (!FNumLodret)
            p = c + 1;
        else if (c + L < A)
            p = c + L;
        else if (c != last && (c % L) + 1 < L)
            p = (c % L) + 1;
        else
            p = FRulRundt ? 0 : c + L;
        break;
    case vk::Left:
        if (FNumLodret && c > 0 && c < L) {
            p = Gc - L + c - 1;
            if (p > last)
                p -= L;
        } else if (FNumLodret) {
            p = c == 0 && FRulRundt ? last : c - L;
        } else {
            p = c - 1;
        }
        break;
    case vk::Down:
        if (FNumLodret)
            p = c + 1;
        else if (c >= G - V && c + 1 != G)
            p = (c % V) + 1; // bottom row: top row, next column
        else
            p = c + V;
        break;
    case vk::Up:
        if (FNumLodret)
            p = c - 1;
        else if (c > 0 && c < V)
            p = G + c - V - 1; // top row: bottom row, previous column
        else
            p = c - V;
        break;
    case vk::End:
        p = FRulRundt ? A - 1 : T - 1;
        break;
    case vk::Home:
        p = FRulRundt ? 0 : -FStartNr;
        break;
    default:
        p = c;
        break;
    }
    // Step 5: into 0 .. A - 1.
    p0 = p;
    if (FRulRundt) {
        if (p < 0)
            p = A - 1;
        else if (p >= A)
            p = 0;
    } else {
        p = std::clamp(p, 0, A - 1);
    }
    return true;
}

bool TKnapPan::RulTil(int p0)
{
    const int64_t r = std::max<int64_t>(0, int64_t(FStartNr) + p0);
    int ny = FStartNr;
    if (r < FStartNr)
        ny = int(r);
    else if (r > FSlutNr)
        ny = int(std::min<int64_t>(r, FAntalIalt - 1)) - FAntal + 1;
    if (ny == FStartNr)
        return false;
    return Rul(std::max(0, ny));
}

void TKnapPan::KeyDown(uint16_t Key, TShiftState)
{
    if (!CompoPainted || FAntal <= 0)
        return;
    const int A = FAntal, T = FAntalIalt;
    // Step 1.
    const int s = AntalAktive();
    int c = ANr;
    if (c >= 0 && c + FStartNr >= T)
        c = T - FStartNr - 1;
    if (c >= A)
        c = A - 1;
    // Step 2.
    if (s == 0 || !FFocusOver)
        return;
    if (Key == vk::Return || Key == vk::Insert || Key == vk::Delete) {
        // Without a current field there is no item to report.
        if (c >= 0 && OnKey)
            OnKey(this, Key, c + FStartNr);
        return;
    }
    KunRam = FFlatSelect;
    if (c != ANr) {
        FjernFokus(ANr);
        ANr = c;
    }
    // Without a current field, and with a single active field, the key takes that field.
    if (c < 0 || s == 1) {
        SaetFokus(c >= 0 && Aktiv(c) ? c : ForsteAktive());
        KunRam = false;
        return;
    }
    if (Key == vk::Prior || Key == vk::Next) {
        const int target = std::clamp(Key == vk::Prior ? FStartNr - A : FStartNr + A, 0, std::max(0, T - A));
        const bool scrolled = Rul(target);
        if (Synlig(c) && F[c].Fokus && ANr == c) {
            if (scrolled)
                MusOver(c);
        } else {
            SaetFokus(c);
        }
        KunRam = false;
        return;
    }

    // Steps 4 to 8, processed again from an inactive field, at most Antal times.
    const int c0 = c;
    bool scrolled = false, exhausted = false;
    int p = c;
    for (int round = 0;; ++round) {
        int p0 = c;
        KeyTarget(Key, c, p, p0);
        if (FRulRundt && p == c) {
            if (round == 0) {
                KunRam = false;
                return;
            }
            exhausted = true;
            break;
        }
        bool moved = p != c;
        if (moved)
            FjernFokus(c);
        ANr = p;
        if (!FRulRundt && RulTil(p0)) {
            scrolled = true;
            moved = true;
        }
        if (Aktiv(p))
            break;
        if (!moved || round + 1 >= A) {
            exhausted = true;
            break;
        }
        c = p;
    }
    // A move that finds no active field (Home or End on an inactive field, a clamped move):
    // Home takes the first active field, End the last, any other key stays where it began.
    if (exhausted || !Aktiv(p)) {
        if (Key == vk::Home)
            p = ForsteAktive();
        else if (Key == vk::End)
            p = SidsteAktive();
        else
            p = Aktiv(c0) ? c0 : ForsteAktive();
    }
    // Step 9.
    if (Synlig(p) && F[p].Fokus && ANr == p) {
        if (scrolled)
            MusOver(p);
    } else {
        SaetFokus(p);
    }
    KunRam = false;
}

// ---- Focus ----

void TKnapPan::DoEnter()
{
    if (FAntal <= 0 || !TabStop() || !CompoPainted)
        return;
    Focus = true;
    if (FFocusOver && !FFocusInOut) {
        if (Aktiv(ANr)) {
            if (!(F[ANr].Sit == 3 && F[ANr].Fokus))
                FeltOver(ANr);
        } else {
            KeyDown(vk::Space);
        }
    }
    RepaintFocusRammer();
}

void TKnapPan::DoExit()
{
    if (!Focus && !TabStop())
        return;
    Focus = false;
    FjernFokus(ANr);
    OverNr = -1;
    MouseOver = false;
    RepaintFocusRammer();
}

// ---- Platform events ----

void TKnapPan::mousePressEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    MouseDown(ButtonOf(event->button()), ShiftOf(event->modifiers(), event->buttons()), p.x(), p.y());
}

void TKnapPan::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    MouseMove(ShiftOf(event->modifiers(), event->buttons()), p.x(), p.y());
}

void TKnapPan::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    MouseUp(ButtonOf(event->button()), ShiftOf(event->modifiers(), event->buttons()), p.x(), p.y());
}

void TKnapPan::leaveEvent(QEvent* event)
{
    TBTFCompo::leaveEvent(event);
    // The pointer left the panel: the same as moving over no field.
    if (!MouseNede && FFocusOver && CompoPainted) {
        KunRam = FFlatSelect;
        ForladFelter();
        KunRam = false;
    }
}

void TKnapPan::keyPressEvent(QKeyEvent* event)
{
    const uint16_t key = VirtualKey(event->key());
    if (!key) {
        TBTFCompo::keyPressEvent(event);
        return;
    }
    KeyDown(key, ShiftOf(event->modifiers(), Qt::NoButton));
    event->accept();
}

void TKnapPan::focusInEvent(QFocusEvent* event)
{
    TBTFCompo::focusInEvent(event);
    DoEnter();
}

void TKnapPan::focusOutEvent(QFocusEvent* event)
{
    TBTFCompo::focusOutEvent(event);
    DoExit();
}

void TKnapPan::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange && !isEnabled())
        MouseNede = MouseOver = false;
    TBTFCompo::changeEvent(event);
}
