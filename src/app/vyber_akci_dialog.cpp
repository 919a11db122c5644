#include "app/vyber_akci_dialog.hpp"

#include "widgets/form_layout.hpp"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <array>

namespace lumtaris {

namespace {

const char* const kTagProperty = "tag";

} // namespace

TfrmVyberAkci::TfrmVyberAkci(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmVyberAkci"));
    ApplyWindowFont(this);
    setWindowTitle(QStringLiteral("Lumtaris"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(286, 194);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(6);

    lblText = new QLabel(QStringLiteral("Vyberte si jednu z nabízených služeb"), this);
    lblText->setObjectName(QStringLiteral("lblText"));
    lblText->setAlignment(Qt::AlignCenter);
    QFont bold = lblText->font();
    bold.setBold(true);
    lblText->setFont(bold);
    ShowAsHeading(lblText);
    layout->addWidget(lblText);

    Bevel1 = new QFrame(this);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameShape(QFrame::StyledPanel);
    Bevel1->setFrameShadow(QFrame::Sunken);
    auto* radios = new QVBoxLayout(Bevel1);
    radios->setContentsMargins(8, 6, 8, 6);
    radios->setSpacing(4);
    auto makeRadio = [&](const char* name, int tag) {
        auto* radio = new QRadioButton(Bevel1);
        radio->setObjectName(QString::fromLatin1(name));
        radio->setProperty(kTagProperty, tag);
        // The dialog keeps the buttons exclusive itself, so that none may be selected.
        radio->setAutoExclusive(false);
        connect(radio, &QRadioButton::clicked, this, [this, radio] { rbHOZClick(radio); });
        radios->addWidget(radio);
        return radio;
    };
    rbHOZ = makeRadio("rbHOZ", 0);
    rbPPPZ = makeRadio("rbPPPZ", 1);
    radios->addSpacing(10);
    rbVYU1 = makeRadio("rbVYU1", 2);
    rbVYU2 = makeRadio("rbVYU2", 3);
    layout->addWidget(Bevel1, 1);

    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setDefault(true);
    btnOK->setFixedSize(75, 25);
    layout->addWidget(btnOK, 0, Qt::AlignHCenter);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);

    SelectAction(-1);
}

void TfrmVyberAkci::rbHOZClick(QRadioButton* sender)
{
    SelectAction(sender->property(kTagProperty).toInt());
}

void TfrmVyberAkci::SelectAction(int index)
{
    for (QRadioButton* radio : {rbHOZ, rbPPPZ, rbVYU1, rbVYU2})
        radio->setChecked(radio->property(kTagProperty).toInt() == index);
    btnOK->setEnabled(index >= 0);
}

void TfrmVyberAkci::FitCaptions()
{
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    setFixedSize(sizeHint().expandedTo(QSize(286, 194)));
}

int TfrmVyberAkci::SelectedAction() const
{
    if (rbVYU2->isChecked())
        return 3;
    if (rbVYU1->isChecked())
        return 2;
    if (rbPPPZ->isChecked())
        return 1;
    if (rbHOZ->isChecked())
        return 0;
    return -1;
}

} // namespace lumtaris
