#include "billing/file_page.hpp"

#include "platform/file_read.hpp"
#include "platform/platform.hpp"
#include "platform/profile_text.hpp"
#include "subject/subject_history.hpp"
#include "widgets/file_name_edit.hpp"
#include "widgets/form_layout.hpp"

#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace lumtaris {

namespace {

// The chosen file as the billing core reads it: opened for reading only and mapped or read
// once (ReadWholeFile).
class KBatchFiles final : public KBatchFileAccess
{
public:
    bool CanOpenForReading(const std::string& path) override
    {
        const QString name = FromCore(path);
        if (QFileInfo(name).isDir())
            return false;
        QFile file(name);
        return file.open(QIODevice::ReadOnly);
    }

    KBatchReadStatus Read(const std::string& path,
                          const std::function<void(std::string_view bytes)>& parse,
                          std::string& errorText) override
    {
        const ReadResult read = ReadWholeFile(FromCore(path));
        switch (read.status) {
        case ReadStatus::Ok:
            parse(read.content.Bytes());
            return KBatchReadStatus::Done;
        case ReadStatus::ReadFailed:
            errorText = read.errorText.toStdString();
            return KBatchReadStatus::Failed;
        case ReadStatus::Missing:
        case ReadStatus::IsDirectory:
        case ReadStatus::CannotOpen:
            break;
        }
        return KBatchReadStatus::CannotOpen;
    }
};

} // namespace

FilePage::FilePage(Platform& platform, const SubjectHistory& history, QObject* parent)
    : QObject(parent), platform_(platform), history_(history)
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

    connect(edtKDavka, &FileNameEdit::FileNameChanged, this, &FilePage::edtKDavkaChange);
    connect(btnVYUPoridit, &QPushButton::clicked, this, &FilePage::btnVYUPoriditClick);
}

void FilePage::InitCaptions(InsurerIndex insurer, ActionKind kind)
{
    insurer_ = insurer;
    kind_ = kind;
    const InsurerProfileRows& profile = InsurerProfileTable;
    lblVYUVolbaSouboru->setText(ProfileText(profile.LabelFileChoice, insurer));
    // The profile separates lines with CR LF; a label breaks at LF alone.
    QString fileLabel = ProfileText(profile.LabelKBatchFile, insurer);
    fileLabel.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lblVYU1KDavkaText->setText(fileLabel);
    pnlVYU1Texty->setFixedWidth(LabelWidth(lblVYU1KDavkaText) + 10);
    btnVYUPoridit->setText(ProfileText(profile.CaptionCreate, insurer));
    SetHint(btnVYUPoridit, ProfileText(profile.HintCreate, insurer));

    const KBatchFileFilter filter = KBatchFileFilterFor(insurer);
    edtKDavka->SetFilter(FromUtf8(filter.description), FromUtf8(filter.pattern),
                         FromUtf8(filter.globPattern));
}

void FilePage::UpdateActions() {}

void FilePage::edtKDavkaChange()
{
    const std::optional<std::string> text = ToCore(edtKDavka->FileName());
    if (!text)
        return;
    if (const std::optional<std::string> inner = StripSurroundingQuotes(*text))
        edtKDavka->SetFileName(FromCore(*inner));
}

void FilePage::btnVYUPoriditClick()
{
    const std::optional<std::string> field = ToCore(edtKDavka->FileName());
    if (!field) {
        // A path the program cannot hold as text (the dialog may give one) names no file it
        // could read; it must not pass for an empty field.
        platform_.MessageBox(QStringLiteral("Chyba"), FromUtf8(kMsgKBatchUnreadable),
                             MessageIcon::Error, MessageButtons::Ok);
        edtKDavka->setFocus();
        return;
    }
    FilePageInput input;
    input.kBatchFieldText = *field;
    input.insurer = insurer_;
    input.kind = kind_;
    input.historyIcz = history_.HistoryICZ();
    KBatchFiles files;
    const FilePageOutcome outcome = BtnVYUPoriditClick(input, files);
    if (!outcome.showInvoicePage) {
        if (!outcome.errorMessage.empty())
            platform_.MessageBox(QStringLiteral("Chyba"), FromUtf8(outcome.errorMessage),
                                 MessageIcon::Error, MessageButtons::Ok);
        edtKDavka->setFocus();
        return;
    }
    emit Confirmed(outcome.setup);
}

} // namespace lumtaris
