#pragma once

// The K-batch choice page tabVYU1: the heading, the K-batch file field and "Pořídit".

#include "profiles/insurer.hpp"

#include <QObject>

class QLabel;
class QPushButton;
class QWidget;

namespace lumtaris {

class FileNameEdit;
class Platform;

class FilePage final : public QObject
{
    Q_OBJECT
public:
    explicit FilePage(Platform& platform, QObject* parent = nullptr);

    QWidget* tabVYU1;
    QLabel* lblVYUVolbaSouboru;
    QWidget* pnlVYU1Texty;
    QLabel* lblVYU1KDavkaText;
    FileNameEdit* edtKDavka;
    QPushButton* btnVYUPoridit;

    void InitCaptions(InsurerIndex insurer);
    void UpdateActions();
};

} // namespace lumtaris
