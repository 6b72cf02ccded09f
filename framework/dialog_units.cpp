#include "framework/dialog_units.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>

QFont DialogFont(const char* pszFace, int nPointSize) {
    const QString strFace = QString::fromUtf8(pszFace);
    QFont font;
    // Only a family that is really installed: fontconfig would otherwise answer any name
    // with some substitute of its own choosing, proportional or not.
    if (QFontDatabase::families().contains(strFace, Qt::CaseInsensitive)) {
        font = QFont(strFace);
    } else if (strFace.startsWith(QLatin1String("Courier"), Qt::CaseInsensitive)) {
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    } else {
        font = QGuiApplication::font();
    }
    font.setPointSize(nPointSize);
    return font;
}

namespace {

// The rounding of the window system's multiply-then-divide, for non-negative values.
int MulDiv(int nValue, int nNumerator, int nDenominator) {
    return (nValue * nNumerator + nDenominator / 2) / nDenominator;
}

}  // namespace

CDialogUnits::CDialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    // The average width of the 52 letters, rounded, as dialog units are defined.
    const int nLetters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    m_nAverageWidth = MulDiv(nLetters, 1, 52);
    m_nHeight = metrics.height();
}

int CDialogUnits::X(int nUnits) const {
    return MulDiv(nUnits, m_nAverageWidth, 4);
}

int CDialogUnits::Y(int nUnits) const {
    return MulDiv(nUnits, m_nHeight, 8);
}

QRect CDialogUnits::Rect(int x, int y, int cx, int cy) const {
    return QRect(X(x), Y(y), X(cx), Y(cy));
}

QSize CDialogUnits::Size(int cx, int cy) const {
    return QSize(X(cx), Y(cy));
}
