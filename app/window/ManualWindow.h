#pragma once

#include <QDialog>

// Help → Manual: the program's manual page, the very page installed for `man zylox-editor`, read
// from the copy built into the program so that it is there and of this version wherever the
// program runs (no man or help viewer needed), shown as a document in a window beside the editor.
class ManualWindow : public QDialog {
    Q_OBJECT
public:
    explicit ManualWindow(QWidget* parent);
};
