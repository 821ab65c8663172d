#include "app/window/AboutWindow.h"

#include "ui_AboutWindow.h"

#include <QIcon>

AboutWindow::AboutWindow(QWidget* parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::AboutWindow>())
{
    m_ui->setupUi(this);
    m_ui->label_version->setText(tr("Version %1").arg(QStringLiteral(ZYLOX_VERSION)));
    // The icon comes from the installed icon theme; an uninstalled build shows none.
    const QIcon icon = QIcon::fromTheme(QStringLiteral("zylox-editor"));
    if (icon.isNull())
        m_ui->label_icon->hide();
    else
        m_ui->label_icon->setPixmap(icon.pixmap(96, 96));
}

AboutWindow::~AboutWindow() = default;
