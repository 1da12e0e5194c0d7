#include "TabSwitch.h"

#include "app/AxGarvex.h"
#include "platform/FormBuilder.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

namespace record {

TTabSwitch::TTabSwitch(app::TAxGarvex& form) : F(form) {
    for (int i = 0; i < 4; ++i)
        LbResa[i] =
            platform::Require<QLabel>(form.Sheets[2], QStringLiteral("LbResa%1").arg(i + 1).toLatin1());
    form.Tabs->tabBar()->installEventFilter(this);
    connect(form.Tabs, &QTabWidget::currentChanged, this, [this] { TabsChange(); });
}

void TTabSwitch::GetInfoReservation() {
    server::TXml& record = F.State.XmlRecord;
    server::XmlSelect(record, QStringLiteral("ResaS"));
    const bool found = server::XmlNext(record, QStringLiteral("Resa")) != 0;
    if (found) {
        const auto child = [&](const char* name) {
            QString value;
            server::XmlGet(record, QString::fromLatin1(name), value);
            return value;
        };
        LbResa[0]->setText(QStringLiteral("Réservation jusqu'au ") + child("DResaMax") +
                           QStringLiteral(" inclus."));
        LbResa[1]->setText(QStringLiteral("Vendeur : ") + child("Vendeur"));
        LbResa[2]->setText(QStringLiteral("Acheteur : ") + child("Acheteur"));
        LbResa[3]->setText(child("Commentaire"));
    }
    for (QLabel* label : LbResa)
        label->setVisible(found);
}

bool TTabSwitch::TabsChanging() {
    if (!F.JvXPBtnSave->isEnabled() || !SaveChanges) return true;
    return SaveChanges();
}

void TTabSwitch::TabsChange() {
    const int k = F.Tabs->currentIndex();
    if (k < 0) return;
    record::TsPage& sheet = F.State.Pages[k];
    if (sheet.ContentLoaded) return;
    const auto load = [](const std::function<void()>& loader) {
        if (loader) loader();
    };
    switch (k) {
    case 2:
        GetInfoReservation();
        break;
    case 4:
        load(LoadInfoFrevo);
        break;
    case 5:
        load(LoadInfoCliche);
        break;
    case 6:
        load(LoadInfoAction);
        break;
    case 7:
        F.State.VehicleIndex = 0;
        load(LoadInfoVehicle);
        break;
    default:
        break;
    }
    if (k == 2 || (k >= 4 && k <= 7)) sheet.ContentLoaded = true;
    F.PanelSplash->hide();
}

bool TTabSwitch::eventFilter(QObject* watched, QEvent* event) {
    auto* bar = static_cast<QTabBar*>(watched);
    if (event->type() == QEvent::MouseButtonPress) {
        const int target = bar->tabAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        if (target >= 0 && target != bar->currentIndex() && !TabsChanging()) return true;
    } else if (event->type() == QEvent::Wheel && !TabsChanging()) {
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace record
