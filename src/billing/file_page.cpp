#include "billing/file_page.hpp"

#include "platform/profile_text.hpp"
#include "widgets/file_name_edit.hpp"
#include "widgets/form_layout.hpp"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace lumtaris {

FilePage::FilePage(Platform& platform, QObject* parent) : QObject(parent)
{
    tabVYU1 = new QWidget;
    tabVYU1->setObjectName(QStringLiteral("tabVYU1"));

    auto* block = new QWidget(tabVYU1);
    block->setObjectName(QStringLiteral("pnlVYU1"));
    auto* layout = new QVBoxLayout(block);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(10);

    lblVYUVolbaSouboru = MakeLabel(block, QStringLiteral("lblVYUVolbaSouboru"), true);
    lblVYUVolbaSouboru->setAlignment(Qt::AlignCenter);
    layout->addWidget(lblVYUVolbaSouboru);

    auto* row = new QHBoxLayout;
    row->setSpacing(0);
    pnlVYU1Texty = new QWidget(block);
    pnlVYU1Texty->setObjectName(QStringLiteral("pnlVYU1Texty"));
    auto* texts = new QVBoxLayout(pnlVYU1Texty);
    texts->setContentsMargins(0, 0, 0, 0);
    lblVYU1KDavkaText = MakeLabel(pnlVYU1Texty, QStringLiteral("lblVYU1KDavkaText"));
    texts->addWidget(lblVYU1KDavkaText, 0, Qt::AlignLeft | Qt::AlignVCenter);
    row->addWidget(pnlVYU1Texty);

    edtKDavka = new FileNameEdit(platform, block);
    edtKDavka->setObjectName(QStringLiteral("edtKDavka"));
    edtKDavka->setFixedWidth(330);
    edtKDavka->SetDialogTitle(QStringLiteral("Vyberte soubor KDAVKA"));
    row->addWidget(edtKDavka, 0, Qt::AlignVCenter);
    layout->addLayout(row);

    btnVYUPoridit = new QPushButton(block);
    btnVYUPoridit->setObjectName(QStringLiteral("btnVYUPoridit"));
    btnVYUPoridit->setFixedSize(90, 25);
    layout->addSpacing(6);
    layout->addWidget(btnVYUPoridit, 0, Qt::AlignHCenter);

    CentreOnPage(tabVYU1, block);
}

void FilePage::InitCaptions(InsurerIndex insurer)
{
    const InsurerProfileRows& profile = InsurerProfileTable;
    lblVYUVolbaSouboru->setText(ProfileText(profile.LabelFileChoice, insurer));
    // The profile separates lines with CR LF; a label breaks at LF alone.
    QString fileLabel = ProfileText(profile.LabelKBatchFile, insurer);
    fileLabel.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lblVYU1KDavkaText->setText(fileLabel);
    pnlVYU1Texty->setFixedWidth(LabelWidth(lblVYU1KDavkaText) + 10);
    btnVYUPoridit->setText(ProfileText(profile.CaptionCreate, insurer));
    SetHint(btnVYUPoridit, ProfileText(profile.HintCreate, insurer));

    const QString code = ProfileText(profile.InsurerCode, insurer);
    edtKDavka->SetFilter(QStringLiteral("KDAVKA pro ") +
                             ProfileText(profile.InsurerShortName, insurer) +
                             QStringLiteral(" (kdavka.") + code + QStringLiteral(")"),
                         QStringLiteral("kdavka.") + code);
}

void FilePage::UpdateActions() {}

} // namespace lumtaris
