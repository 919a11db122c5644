#pragma once

// The result page tabSave: where the file lies, what to do with it, for which subject, and a
// link to the insurer's portal.

#include <QObject>

class QLabel;
class QWidget;

namespace lumtaris {

class LinkLabel;

class ResultPage final : public QObject
{
    Q_OBJECT
public:
    explicit ResultPage(QObject* parent = nullptr);

    QWidget* tabSave;
    QLabel* Label6;
    QLabel* lblSaveSoubor;
    QLabel* Label4;
    QLabel* pnlSaveSubjekt;
    QLabel* Label7;
    LinkLabel* lblSaveHTMLOdkaz;

    // What a successful save shows: the file path, the subject line and the portal link.
    void ShowResult(const QString& path, const QString& subject, const QString& link);
};

// The guidance under the file path: deliver through the insurers' joint portal.
extern const char* const kResultGuidance;

} // namespace lumtaris
