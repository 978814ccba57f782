#pragma once

class QWidget;

// Places Window centred on its parent window (on its screen when it has no parent).
void CentreOnParent(QWidget* Window);
