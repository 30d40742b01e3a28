#pragma once

#include "platform/WebView.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

class QQuickItem;
class QQuickView;

// A Qt WebEngine page in a Qt Quick window, embedded in the parent as a native child.
class WebEngineView final : public QObject, public WebView {
    Q_OBJECT
public:
    explicit WebEngineView(QWidget* parent);
    ~WebEngineView() override;

    QWidget* Widget() override { return container_; }
    void Navigate(const QUrl& address) override;
    void ShowHtml(const QString& html, const QUrl& base) override;

private slots:
    void Finished(bool loaded, const QUrl& location, const QString& html);

private:
    QQuickView* quick_;
    QQuickItem* page_ = nullptr;
    QPointer<QWidget> container_;
    QUrl base_;
};
