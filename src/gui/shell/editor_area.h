#pragma once

#include <QMap>
#include <QMdiArea>
#include <functional>

// The area of the main window holding the editor windows: each is made by
// the factory registered under its window name and is open at most once.
class EditorArea : public QMdiArea {
    Q_OBJECT
public:
    using Factory = std::function<QWidget*()>;

    explicit EditorArea(QWidget* parent = nullptr);

    void Register(const QString& name, Factory factory);
    // Focuses the open window of that name, or opens it and places it.
    QWidget* Show(const QString& name);
    QWidget* Find(const QString& name) const;
    QList<QWidget*> Forms() const;
    // Every window closes and is gone at once.
    void CloseAll();
    // Every open window commits the value it is still editing.
    void CommitPendingEdits();

private:
    QMap<QString, Factory> factories_;
};
