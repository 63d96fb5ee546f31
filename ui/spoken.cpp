#include "ui/spoken.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace cuedeck {

namespace {

class SpokenAlertAccessible : public QAccessibleWidget
{
public:
    explicit SpokenAlertAccessible(QWidget* widget)
        : QAccessibleWidget(widget, QAccessible::AlertMessage)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return widget()->accessibleName();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* spoken_alert_accessible(const QString& class_name, QObject* object)
{
    if (class_name == QLatin1String("cuedeck::SpokenAlert") && object != nullptr &&
        object->isWidgetType())
        return new SpokenAlertAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

SpokenAlert::SpokenAlert(QWidget* parent) : QLabel(parent)
{
    install_spoken_alert_accessibility();
    hide();
}

void SpokenAlert::say(const QString& text)
{
    // Hidden first, so that the showing is news even when it was shown.
    hide();
    setAccessibleName(text);
    show();
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void SpokenAlert::quiet()
{
    hide();
    setAccessibleName(QString());
}

void install_spoken_alert_accessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(&spoken_alert_accessible);
        return true;
    }();
    (void)installed;
}

} // namespace cuedeck
