#pragma once

class QFileDialog;

// Qt's own file dialog speaks English: in Danish its labels and buttons get the program's
// texts. Save names the accept button "Gem", else "Åben".
void SetFileDialogLabels(QFileDialog& dialog, bool Engelsk, bool Save);
