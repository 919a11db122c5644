#include "app/result_page.hpp"

#include "widgets/form_layout.hpp"
#include "widgets/link_label.hpp"
#include "widgets/path_label.hpp"

#include <QLabel>
#include <QVBoxLayout>

namespace lumtaris {

const char* const kResultGuidance =
    "Podání je nyní třeba doručit zdravotní pojišťovně ke zpracování, a to přes\n"
    "společný portál zdravotních pojišťoven Portál ZP (www.portalzp.cz).\n"
    "K práci s portálem potřebujete registrovaný účet s platným přístupovým\n"
    "certifikátem a nastavená přístupová práva pro subjekt:";

ResultPage::ResultPage(QObject* parent) : QObject(parent)
{
    tabSave = new QWidget;
    tabSave->setObjectName(QStringLiteral("tabSave"));

    auto* block = new QWidget(tabSave);
    block->setObjectName(QStringLiteral("pnlSave"));
    constexpr int kBlockWidth = 520;
    block->setFixedWidth(kBlockWidth);
    auto* layout = new QVBoxLayout(block);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);

    Label6 = MakeLabel(block, QStringLiteral("Label6"));
    Label6->setText(QStringLiteral("Podání bylo úspěšně uloženo do souboru:"));
    layout->addWidget(Label6);
    lblSaveSoubor = new PathLabel(block);
    lblSaveSoubor->setObjectName(QStringLiteral("lblSaveSoubor"));
    QFont bold = lblSaveSoubor->font();
    bold.setBold(true);
    lblSaveSoubor->setFont(bold);
    lblSaveSoubor->setFixedWidth(kBlockWidth);
    layout->addWidget(lblSaveSoubor);
    Label4 = MakeLabel(block, QStringLiteral("Label4"));
    Label4->setText(QString::fromUtf8(kResultGuidance));
    layout->addWidget(Label4);
    pnlSaveSubjekt = MakeLabel(block, QStringLiteral("pnlSaveSubjekt"), true);
    layout->addWidget(pnlSaveSubjekt);
    Label7 = MakeLabel(block, QStringLiteral("Label7"));
    Label7->setText(
        QStringLiteral("Pokud chcete uskutečnit podání ihned, klikněte na odkaz níže."));
    layout->addWidget(Label7);
    lblSaveHTMLOdkaz = new LinkLabel(block);
    lblSaveHTMLOdkaz->setObjectName(QStringLiteral("lblSaveHTMLOdkaz"));
    layout->addWidget(lblSaveHTMLOdkaz);

    CentreOnPage(tabSave, block);
}

void ResultPage::ShowResult(const QString& path, const QString& subject, const QString& link)
{
    lblSaveSoubor->setText(path);
    pnlSaveSubjekt->setText(subject);
    lblSaveHTMLOdkaz->setText(link);
    // A block of fixed width does not pass a taller path on to the page by itself.
    lblSaveSoubor->parentWidget()->updateGeometry();
}

} // namespace lumtaris
