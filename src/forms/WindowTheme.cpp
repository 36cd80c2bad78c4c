#include "WindowTheme.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>

#include "FatalError.h"
#include "RgbColor.h"
#include "WindowPicture.h"
#include "layout/TableGeometry.h"
#include "platform/PictureBounds.h"
#include "settings/ThemeCatalog.h"
#include "widgets/TEffectLabel.h"
#include "widgets/TImageButton.h"

namespace orvane {

namespace {

void SetPanelColor(QWidget* panel, const QColor& color) {
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, color);
    panel->setPalette(palette);
}

void MoveTop(QWidget* widget, int top) {
    widget->move(widget->x(), top);
}

QFont WithFace(QFont font, const QString& family, bool bold) {
    font.setFamily(family);
    font.setBold(bold);
    return font;
}

}  // namespace

QImage ReadThemePicture(const QString& file, QString* error) {
    QImageReader reader(file);
    if (QFileInfo(file).suffix().compare(QStringLiteral("zqi"), Qt::CaseInsensitive) == 0) {
        reader.setFormat("bmp");
    }
    return ReadPictureWithin(reader, ExpectedWindowPictureSize(file), file, error);
}

void ApplyWindowTheme(MainControls& c, const ThemeRecord& theme, const QImage& background) {
    if (background.isNull()) {
        c.imgBackground->clear();
    } else {
        c.imgBackground->setPixmap(QPixmap::fromImage(background));
        c.imgBackground->resize(background.size());
    }

    SetPanelColor(c.pnlMain, ToQColor(theme.PanelColor));
    SetPanelColor(c.pnlDoubleUp, ToQColor(theme.PanelColor));

    const QString face =
        QString::fromUtf8(theme.FontName.data(), static_cast<qsizetype>(theme.FontName.size()));
    const TableGeometry::ValueTops tops = ValueTopsOf(theme);
    struct Amount {
        TEffectLabel* label;
        int top;
    };
    const Amount amounts[] = {{c.lblCredit, tops.Credit},
                              {c.lblBet, tops.Bet},
                              {c.lblWinScore, tops.Win},
                              {c.lblOrvaneWin, tops.Bonus}};
    for (const Amount& a : amounts) {
        MoveTop(a.label, a.top);
        a.label->SetTextColor(ToQColor(theme.InfoTextColor));
        a.label->setFont(WithFace(a.label->font(), face, theme.Bold));
    }
    MoveTop(c.imgOrvaneCards, tops.BonusCards);
    for (const Amount& a : amounts) {
        a.label->SetOutline(false);
    }

    for (int n = 1; n <= 22; ++n) {
        QLabel* label = c.Label[static_cast<std::size_t>(n)];
        label->setFont(WithFace(label->font(), face, theme.Bold));
    }

    for (TImageButton* button : c.Buttons) {
        button->SetColor(ToQColor(theme.ButtonColor));
    }
}

bool ApplyWindowTheme(MainControls& controls, const QString& programFolder, int themeID) {
    const ThemeRecord* theme = FindTheme(themeID);
    if (theme == nullptr) {
        return false;
    }
    const QString file =
        programFolder + QString::fromUtf8(theme->BackgroundFile.data(),
                                          static_cast<qsizetype>(theme->BackgroundFile.size()));
    QDir::setCurrent(programFolder);
    QString why;
    const QImage background = ReadThemePicture(file, &why);
    if (background.isNull()) {
        ReportFatalError(QStringLiteral("The background picture \"%1\" cannot be read: %2")
                             .arg(QDir::toNativeSeparators(file), why));
    }
    ApplyWindowTheme(controls, *theme, background);
    return true;
}

}  // namespace orvane
