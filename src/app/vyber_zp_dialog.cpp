#include "app/vyber_zp_dialog.hpp"

#include "app/images.hpp"

#include "widgets/form_layout.hpp"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace lumtaris {

namespace {

struct ListEntry
{
    const char* text;
    InsurerIndex insurer;
};

constexpr std::array<ListEntry, kInsurerListCount> kInsurerList{{
    {"201 - Vojenská zdravotní pojišťovna České republiky", 4},
    {"205 - Česká průmyslová zdravotní pojišťovna", 3},
    {"207 - Oborová zdravotní pojišťovna", 0},
    {"209 - Zaměstnanecká pojišťovna Škoda", 1},
    {"213 - Revírní bratrská pokladna v Ostravě, zaměstnanecká zdravotní pojišťovna", 2},
}};

} // namespace

InsurerIndex InsurerAtListPosition(int position)
{
    return kInsurerList.at(static_cast<std::size_t>(position)).insurer;
}

TfrmVyberZP::TfrmVyberZP(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmVyberZP"));
    ApplyWindowFont(this);
    setWindowTitle(QStringLiteral("Lumtaris"));
    // A fixed border without any title-bar buttons.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(273, 117);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 8);
    layout->setSpacing(6);

    // The prompt and the five logos share one place at the top centre.
    auto* picture = new QWidget(this);
    picture->setFixedHeight(46);
    auto* pictureLayout = new QGridLayout(picture);
    pictureLayout->setContentsMargins(0, 0, 0, 0);
    lblText = new QLabel(picture);
    lblText->setObjectName(QStringLiteral("lblText"));
    lblText->setText(QStringLiteral("Vyberte si jednu z nabízených\npojišťoven"));
    lblText->setAlignment(Qt::AlignCenter);
    QFont bold = lblText->font();
    bold.setBold(true);
    lblText->setFont(bold);
    ShowAsHeading(lblText);
    pictureLayout->addWidget(lblText, 0, 0, Qt::AlignCenter);
    auto makeImage = [&](const char* name, InsurerIndex insurer) {
        auto* image = new QLabel(picture);
        image->setObjectName(QString::fromLatin1(name));
        image->setPixmap(InsurerLogo(insurer));
        image->hide();
        pictureLayout->addWidget(image, 0, 0, Qt::AlignCenter);
        return image;
    };
    ImageOZP = makeImage("ImageOZP", 0);
    ImageZPS = makeImage("ImageZPS", 1);
    ImageRBP = makeImage("ImageRBP", 2);
    ImageCPZP = makeImage("ImageCPZP", 3);
    ImageVoZP = makeImage("ImageVoZP", 4);
    layout->addWidget(picture);

    cbZP = new QComboBox(this);
    cbZP->setObjectName(QStringLiteral("cbZP"));
    for (const ListEntry& entry : kInsurerList)
        cbZP->addItem(QString::fromUtf8(entry.text));
    cbZP->setCurrentIndex(-1);
    // The long names need more room than the dialog's width when the list opens.
    cbZP->view()->setMinimumWidth(cbZP->view()->sizeHintForColumn(0) + 8);
    layout->addWidget(cbZP);

    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setDefault(true);
    btnOK->setEnabled(false);
    btnOK->setFixedSize(75, 25);
    layout->addWidget(btnOK, 0, Qt::AlignHCenter);

    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cbZP, &QComboBox::currentIndexChanged, this, &TfrmVyberZP::cbZPChange);
    cbZP->installEventFilter(this);
    btnOK->installEventFilter(this);
}

QLabel* TfrmVyberZP::Image(InsurerIndex insurer) const
{
    const std::array<QLabel*, kInsurerCount> images{ImageOZP, ImageZPS, ImageRBP, ImageCPZP,
                                                    ImageVoZP};
    return images.at(insurer);
}

void TfrmVyberZP::cbZPChange()
{
    const int position = cbZP->currentIndex();
    btnOK->setEnabled(position >= 0);
    lblText->setVisible(!btnOK->isEnabled());
    for (InsurerIndex i = 0; i < kInsurerCount; ++i)
        Image(i)->hide();
    if (btnOK->isEnabled()) {
        insurerIndex = InsurerAtListPosition(position);
        Image(insurerIndex)->show();
    }
}

bool TfrmVyberZP::FormKeyPress(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        reject();
        return true;
    }
    return false;
}

bool TfrmVyberZP::eventFilter(QObject* watched, QEvent* event)
{
    // The dialog sees the keys before its controls do.
    if (event->type() == QEvent::KeyPress && FormKeyPress(static_cast<QKeyEvent*>(event)))
        return true;
    return QDialog::eventFilter(watched, event);
}

void TfrmVyberZP::keyPressEvent(QKeyEvent* event)
{
    if (!FormKeyPress(event))
        QDialog::keyPressEvent(event);
}

} // namespace lumtaris
