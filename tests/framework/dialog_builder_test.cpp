#include "framework/dialog_builder.h"

#include <gtest/gtest.h>

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QWidget>

#include "app/res/resource.h"
#include "framework/dialog_units.h"
#include "tests/support/qt_application.h"

namespace {

// Columns line up when every character is as wide as any other.
bool IsFixedPitch(const QFont& font) {
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance('i') == metrics.horizontalAdvance('W') &&
           metrics.horizontalAdvance('.') == metrics.horizontalAdvance('M');
}

class DialogBuilderTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { EnsureQtApplication(); }

    template <typename T>
    T* Control(int nId) {
        return qobject_cast<T*>(ControlById(&m_dialog, nId));
    }

    QWidget m_dialog;
};

TEST_F(DialogBuilderTest, DialogUnitsFollowTheFontsMetrics) {
    const QFont font = DialogFont("MS Sans Serif", 8);
    EXPECT_EQ(font.pointSize(), 8);
    const CDialogUnits units(font);
    ASSERT_GT(units.AverageCharWidth(), 0);
    // Four x units and eight y units are one average character.
    EXPECT_EQ(units.X(4), units.AverageCharWidth());
    EXPECT_EQ(units.Y(8), units.CharHeight());
    EXPECT_EQ(units.X(400), units.AverageCharWidth() * 100);

    // A larger font makes a larger layout of the same proportions.
    QFont large = font;
    large.setPointSize(16);
    EXPECT_GT(CDialogUnits(large).X(155), units.X(155));

    const QFont fixed = DialogFont("Courier New", 8);
    EXPECT_TRUE(IsFixedPitch(fixed)) << QFontInfo(fixed).family().toStdString();
    EXPECT_EQ(fixed.pointSize(), 8);
}

TEST_F(DialogBuilderTest, FormControlsAreCreatedWhereTheLayoutPutsThem) {
    const QSize size = BuildDialogControls(&m_dialog, g_formDialog);
    const CDialogUnits units(m_dialog.font());
    EXPECT_EQ(size, units.Size(155, 180));

    EXPECT_NE(Control<QRadioButton>(IDC_LPT1), nullptr);
    EXPECT_NE(Control<QRadioButton>(IDC_27C512), nullptr);
    EXPECT_NE(Control<QPushButton>(IDC_COMPARE), nullptr);
    ASSERT_NE(Control<QLineEdit>(IDC_STATUS), nullptr);
    EXPECT_TRUE(Control<QLineEdit>(IDC_STATUS)->isReadOnly());
    QPlainTextEdit* pInfo = Control<QPlainTextEdit>(IDC_INFO);
    ASSERT_NE(pInfo, nullptr);
    EXPECT_TRUE(pInfo->isReadOnly());
    EXPECT_EQ(pInfo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(pInfo->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_NE(pInfo->frameShape(), QFrame::NoFrame);
    EXPECT_EQ(ControlById(&m_dialog, 4711), nullptr);

    for (const DialogControl& control : g_formDialog.controls) {
        if (control.nId == IDC_STATIC) {
            continue;
        }
        SCOPED_TRACE(control.nId);
        EXPECT_EQ(ControlById(&m_dialog, control.nId)->geometry(),
                  units.Rect(control.x, control.y, control.cx, control.cy));
        if (auto* pButton = qobject_cast<QAbstractButton*>(ControlById(&m_dialog, control.nId))) {
            EXPECT_EQ(pButton->text().toStdString(), control.pszText);
        }
    }
    EXPECT_EQ(m_dialog.findChildren<QGroupBox*>().size(), 2);
    EXPECT_EQ(m_dialog.findChildren<QLabel*>().size(), 3) << "two static texts and the icon";
}

TEST_F(DialogBuilderTest, RadioGroupsAreExclusiveOnlyWithinThemselves) {
    BuildDialogControls(&m_dialog, g_formDialog);
    Control<QRadioButton>(IDC_LPT2)->setChecked(true);
    Control<QRadioButton>(IDC_27C64)->setChecked(true);
    Control<QRadioButton>(IDC_27C512)->click();
    EXPECT_TRUE(Control<QRadioButton>(IDC_LPT2)->isChecked());
    EXPECT_FALSE(Control<QRadioButton>(IDC_27C64)->isChecked());

    QButtonGroup* pTypes = Control<QRadioButton>(IDC_27C64)->group();
    ASSERT_NE(pTypes, nullptr);
    EXPECT_EQ(pTypes->buttons().size(), 4);
    EXPECT_EQ(pTypes->checkedId(), IDC_27C512);
    EXPECT_EQ(Control<QRadioButton>(IDC_LPT1)->group()->checkedId(), IDC_LPT2);
}

TEST_F(DialogBuilderTest, TabWalksTheSevenStopsInTemplateOrder) {
    BuildDialogControls(&m_dialog, g_formDialog);
    Control<QRadioButton>(IDC_LPT1)->setChecked(true);
    Control<QRadioButton>(IDC_27C512)->setChecked(true);
    m_dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_dialog));
    QApplication::setActiveWindow(&m_dialog);

    Control<QRadioButton>(IDC_LPT1)->setFocus();
    std::vector<int> stops;
    for (int i = 0; i < 8; ++i) {
        QWidget* pFocus = QApplication::focusWidget();
        ASSERT_NE(pFocus, nullptr);
        stops.push_back(pFocus->objectName().mid(8).toInt());
        QTest::keyClick(pFocus, Qt::Key_Tab);
    }
    // The type group is entered at its checked button, and the walk wraps round.
    EXPECT_EQ(stops, (std::vector<int>{IDC_LPT1, IDC_27C512, IDC_COMPARE, IDC_READ, IDC_STATUS,
                                       IDC_WRITE, IDC_INFO, IDC_LPT1}));
}

TEST_F(DialogBuilderTest, BufferViewEditsAreBorderlessAndOutOfTheTabChain) {
    BuildDialogControls(&m_dialog, g_bufferViewDialog);
    EXPECT_EQ(m_dialog.windowTitle(), "BufferView");
    EXPECT_TRUE(IsFixedPitch(m_dialog.font()));
    for (int nId : {IDC_POS, IDC_HEX, IDC_ASCII}) {
        QPlainTextEdit* pEdit = Control<QPlainTextEdit>(nId);
        ASSERT_NE(pEdit, nullptr) << nId;
        EXPECT_EQ(pEdit->frameShape(), QFrame::NoFrame);
        EXPECT_TRUE(pEdit->isReadOnly());
        EXPECT_EQ(pEdit->focusPolicy(), Qt::ClickFocus);
        EXPECT_EQ(pEdit->document()->defaultTextOption().alignment() & Qt::AlignRight,
                  nId == IDC_POS ? Qt::AlignRight : Qt::Alignment());
    }
}

}  // namespace
