#include "WindowChecks.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTest>
#include <QTextDocument>
#include <QToolButton>

#include <algorithm>

namespace windowchecks {

namespace {

// The text as drawn: "&&" shows one ampersand, a single one marks the mnemonic.
QString Shown(const QString& text) {
    QString shown;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size()) {
            ++i;
        }
        shown += text[i];
    }
    return shown;
}

int TextWidth(const QFontMetrics& metrics, const QString& text) {
    int widest = 0;
    for (const QString& line : Shown(text).split(u'\n')) {
        widest = std::max(widest, metrics.horizontalAdvance(line));
    }
    return widest;
}

QString Name(const QWidget* widget) {
    return QStringLiteral("%1 %2").arg(QLatin1String(widget->metaObject()->className()), widget->objectName());
}

void Check(QStringList& found, const QWidget* widget, const QString& text, int need, int room) {
    if (need > room) {
        found << QStringLiteral("%1: '%2' needs %3 px, has %4").arg(Name(widget), Shown(text)).arg(need).arg(room);
    }
}

void CheckLabel(QStringList& found, const QLabel* label) {
    const QString text = label->text();
    const bool rich =
        label->textFormat() == Qt::RichText || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text));
    if (text.isEmpty() || label->wordWrap() || rich) {
        return;
    }
    // The indent applies on the side the text is aligned to, as the label lays it out.
    int room = label->contentsRect().width() - 2 * label->margin();
    const bool aligned = (label->alignment() & (Qt::AlignLeft | Qt::AlignRight)) != 0;
    if (aligned && label->indent() > 0) {
        room -= label->indent();
    } else if (aligned && label->indent() < 0 && label->frameWidth() > 0) {
        room -= std::max(0, label->fontMetrics().horizontalAdvance(u'x') / 2 - label->margin());
    }
    Check(found, label, text, TextWidth(label->fontMetrics(), text), room);
}

void CheckButton(QStringList& found, const QAbstractButton* button) {
    const QString text = button->text();
    if (text.isEmpty()) {
        return;
    }
    const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
    const int need = TextWidth(button->fontMetrics(), text) + icon;
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = text;
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    QStyle* style = button->style();
    if (qobject_cast<const QCheckBox*>(button) != nullptr) {
        Check(found, button, text, need, style->subElementRect(QStyle::SE_CheckBoxContents, &option, button).width());
    } else if (qobject_cast<const QRadioButton*>(button) != nullptr) {
        Check(found, button, text, need,
              style->subElementRect(QStyle::SE_RadioButtonContents, &option, button).width());
    } else if (qobject_cast<const QPushButton*>(button) != nullptr) {
        Check(found, button, text, need, style->subElementRect(QStyle::SE_PushButtonContents, &option, button).width());
    } else if (const auto* tool = qobject_cast<const QToolButton*>(button)) {
        const bool textShown = tool->toolButtonStyle() != Qt::ToolButtonIconOnly || tool->icon().isNull();
        const bool beside = tool->toolButtonStyle() == Qt::ToolButtonTextBesideIcon;
        if (textShown) {
            Check(found, button, text, TextWidth(button->fontMetrics(), text) + (beside ? icon : 0),
                  button->width() - 4);
        }
    }
}

void CheckTabs(QStringList& found, const QTabBar* tabs) {
    const int space = tabs->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, tabs);
    for (int i = 0; i < tabs->count(); ++i) {
        if (tabs->isTabVisible(i)) {
            const int icon = tabs->tabIcon(i).isNull() ? 0 : tabs->iconSize().width() + 4;
            Check(found, tabs, tabs->tabText(i), TextWidth(tabs->fontMetrics(), tabs->tabText(i)) + icon,
                  tabs->tabRect(i).width() - space);
        }
    }
}

void CheckHeader(QStringList& found, const QHeaderView* header) {
    if (header->orientation() != Qt::Horizontal || header->model() == nullptr) {
        return;
    }
    const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    for (int section = 0; section < header->count(); ++section) {
        if (!header->isSectionHidden(section)) {
            const QString caption = header->model()->headerData(section, Qt::Horizontal).toString();
            Check(found, header, caption, TextWidth(header->fontMetrics(), caption) + 2 * margin,
                  header->sectionSize(section));
        }
    }
}

void CheckGroupBox(QStringList& found, const QGroupBox* box) {
    if (!box->title().isEmpty()) {
        const int margin = box->fontMetrics().horizontalAdvance(u' ') * 2;
        Check(found, box, box->title(), TextWidth(box->fontMetrics(), box->title()) + margin, box->width());
    }
}

// Shown, enabled and taking the focus by Tab itself (not through a proxy).
bool TakesTab(const QWidget* widget, const QWidget* window) {
    return widget->window() == window && widget->isVisibleTo(window) && widget->isEnabled() &&
           (widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && widget->focusProxy() == nullptr;
}

// Tab enters a group of exclusive radio buttons at its checked one; the arrows move
// inside. One of the group reached counts for all.
bool ReachedThroughGroup(const QWidget* widget, const QSet<QWidget*>& reached) {
    const auto* radio = qobject_cast<const QRadioButton*>(widget);
    if (radio == nullptr || !radio->autoExclusive()) {
        return false;
    }
    for (const QWidget* other : reached) {
        const auto* sibling = qobject_cast<const QRadioButton*>(other);
        if (sibling != nullptr && sibling->autoExclusive() && sibling->parentWidget() == radio->parentWidget()) {
            return true;
        }
    }
    return false;
}

} // namespace

QStringList CutTexts(const QWidget* root) {
    QStringList found;
    QList<const QWidget*> widgets{root};
    for (const QWidget* child : root->findChildren<const QWidget*>()) {
        if (child->window() == root->window() && child->isVisibleTo(root)) {
            widgets << child;
        }
    }
    for (const QWidget* widget : widgets) {
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            CheckLabel(found, label);
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            CheckButton(found, button);
        } else if (const auto* tabs = qobject_cast<const QTabBar*>(widget)) {
            CheckTabs(found, tabs);
        } else if (const auto* header = qobject_cast<const QHeaderView*>(widget)) {
            CheckHeader(found, header);
        } else if (const auto* box = qobject_cast<const QGroupBox*>(widget)) {
            CheckGroupBox(found, box);
        }
    }
    return found;
}

QStringList UnreachableByTab(QWidget* window) {
    QList<QWidget*> controls;
    for (QWidget* child : window->findChildren<QWidget*>()) {
        if (TakesTab(child, window)) {
            controls << child;
        }
    }
    QStringList found;
    if (controls.isEmpty()) {
        return found;
    }
    controls.first()->setFocus(Qt::TabFocusReason);
    QSet<QWidget*> reached;
    for (qsizetype press = 0; press < 2 * controls.size() + 2; ++press) {
        QWidget* now = QApplication::focusWidget();
        if (now == nullptr) {
            found << QStringLiteral("the focus left the window");
            return found;
        }
        reached.insert(now);
        QTest::keyClick(now, Qt::Key_Tab);
        if (QApplication::focusWidget() == now && controls.size() > 1) {
            found << QStringLiteral("%1: keeps Tab").arg(Name(now));
            break;
        }
    }
    for (const QWidget* control : controls) {
        if (!reached.contains(const_cast<QWidget*>(control)) && !ReachedThroughGroup(control, reached)) {
            found << QStringLiteral("%1: not reached by Tab").arg(Name(control));
        }
    }
    return found;
}

} // namespace windowchecks
