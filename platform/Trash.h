#pragma once
#include <QString>

// Moves a file to the user's wastebasket as the freedesktop.org trash specification says:
// into "files" of the home trash ($XDG_DATA_HOME/Trash, by default ~/.local/share/Trash),
// whose folders are made when missing, with its ".trashinfo" record in "info". A file on
// another file system goes to that file system's trash. False, with the file left where it
// was, when it could not be moved.
bool MoveToTrash(const QString& FileName);

// The home trash folder.
QString HomeTrashFolder();
