#include "app/window/ManualWindow.h"

#include "app/window/ManualPage.h"
#include "app/window/ManualPageSource.h"

#include <QDialogButtonBox>
#include <QTextBrowser>
#include <QVBoxLayout>

ManualWindow::ManualWindow(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("window_manual"));
    setWindowTitle(tr("ZYLOX 515 Editor Manual"));
    auto* page = new QTextBrowser;
    page->setObjectName(QStringLiteral("text_manual"));
    page->setAccessibleName(tr("Manual"));
    page->setOpenLinks(false);
    page->setHtml(ManualPage::toHtml(QString::fromUtf8(kManualPageSource)));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(page);
    layout->addWidget(buttons);
    resize(760, 620);
}
