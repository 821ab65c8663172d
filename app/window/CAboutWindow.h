#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class AboutWindow;
}

// The about window: the program's name, icon, version and what it is for.
class CAboutWindow : public QDialog {
    Q_OBJECT
public:
    explicit CAboutWindow(QWidget* parent = nullptr);
    ~CAboutWindow() override;

private:
    std::unique_ptr<Ui::AboutWindow> m_ui;
};
