#include "subject/vyber_subjekt_dialog.hpp"

#include "platform/core_text.hpp"

#include "widgets/form_layout.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace lumtaris {

TfrmVyberSubjekt::TfrmVyberSubjekt(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmVyberSubjekt"));
    ApplyWindowFont(this);
    setWindowTitle(QStringLiteral("Vyberte subjekt"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(260, 250);

    auto* layout = new QVBoxLayout(this);
    lblSubjektPopis = new QLabel(this);
    lblSubjektPopis->setObjectName(QStringLiteral("lblSubjektPopis"));
    QFont bold = lblSubjektPopis->font();
    bold.setBold(true);
    lblSubjektPopis->setFont(bold);
    layout->addWidget(lblSubjektPopis);

    lbSubjekt = new QListWidget(this);
    lbSubjekt->setObjectName(QStringLiteral("lbSubjekt"));
    lbSubjekt->setSelectionMode(QAbstractItemView::SingleSelection);
    lbSubjekt->setSortingEnabled(false);
    QFont fixed = lbSubjekt->font();
    fixed.setFamily(QStringLiteral("Monospace"));
    fixed.setStyleHint(QFont::TypeWriter);
    lbSubjekt->setFont(fixed);
    layout->addWidget(lbSubjekt, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    btnSubjektOK = new QPushButton(QStringLiteral("OK"), this);
    btnSubjektOK->setObjectName(QStringLiteral("btnSubjektOK"));
    btnSubjektOK->setDefault(true);
    btnSubjektCancel = new QPushButton(QStringLiteral("Cancel"), this);
    btnSubjektCancel->setObjectName(QStringLiteral("btnSubjektCancel"));
    buttons->addWidget(btnSubjektOK);
    buttons->addWidget(btnSubjektCancel);
    buttons->addStretch();
    layout->addLayout(buttons);

    connect(btnSubjektOK, &QPushButton::clicked, this, &TfrmVyberSubjekt::btnSubjektOKClick);
    connect(btnSubjektCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(lbSubjekt, &QListWidget::itemDoubleClicked, this, &TfrmVyberSubjekt::btnSubjektOKClick);
    connect(lbSubjekt, &QListWidget::itemSelectionChanged, this,
            [this] { btnSubjektOK->setEnabled(lbSubjekt->currentItem() != nullptr); });
}

void TfrmVyberSubjekt::FillSubjektList(const std::vector<std::string>& list)
{
    lbSubjekt->clear();
    for (auto entry = list.rbegin(); entry != list.rend(); ++entry)
        lbSubjekt->addItem(FromCore(*entry));
    if (lbSubjekt->count() > 0)
        lbSubjekt->setCurrentRow(0);
    btnSubjektOK->setEnabled(lbSubjekt->currentItem() != nullptr);
}

void TfrmVyberSubjekt::btnSubjektOKClick()
{
    // Without a selection there is nothing to hand back; OK is disabled then.
    const QListWidgetItem* item = lbSubjekt->currentItem();
    if (item == nullptr)
        return;
    SelectedSubjekt = item->text();
    accept();
}

} // namespace lumtaris
