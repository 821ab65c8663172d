#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class AboutWindow;
}

// The about window: the program's name, icon, version and what it is for.
class AboutWindow : public QDialog {
    Q_OBJECT
public:
    explicit AboutWindow(QWidget* parent = nullptr);
    ~AboutWindow() override;

private:
    std::unique_ptr<Ui::AboutWindow> m_ui;
};
