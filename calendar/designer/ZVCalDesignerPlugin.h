#pragma once

#include <QPointer>
#include <QtDesigner/QDesignerTaskMenuExtension>
#include <QtDesigner/QExtensionFactory>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

class QAction;
class QLabel;
class QDesignerFormEditorInterface;

// One widget class of libZVCalWidgets.so in the widget box: group "ZVCal",
// its toolbox bitmap, its default size and object name.
class ZVCalWidgetInterface : public QObject, public QDesignerCustomWidgetInterface
{
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)

public:
    ZVCalWidgetInterface(const QString &className, const QString &objectName, int toolboxBitmap, QSize defaultSize,
                         const QString &toolTip, QObject *parent);

    QString name() const override { return m_name; }
    QString group() const override { return QStringLiteral("ZVCal"); }
    QString toolTip() const override { return m_toolTip; }
    QString whatsThis() const override { return m_toolTip; }
    // The installed header: a form saved here compiles with uic.
    QString includeFile() const override { return QStringLiteral("zvcal/%1.h").arg(m_name); }
    QIcon icon() const override;
    bool isContainer() const override { return false; }
    QWidget *createWidget(QWidget *parent) override;
    bool isInitialized() const override { return m_initialized; }
    void initialize(QDesignerFormEditorInterface *core) override;
    QString domXml() const override;

private:
    void showRefusal(const QString &name, int number, const QString &text);

    QString m_name;
    QString m_objectName;
    int m_bitmap;
    QSize m_size;
    QString m_toolTip;
    bool m_initialized = false;
    QPointer<QDesignerFormEditorInterface> m_core;
    QPointer<QLabel> m_note;
};

// "Edit Properties…" in the context menu of either control on a form.
class ZVCalTaskMenu : public QObject, public QDesignerTaskMenuExtension
{
    Q_OBJECT
    Q_INTERFACES(QDesignerTaskMenuExtension)

public:
    ZVCalTaskMenu(QWidget *control, QObject *parent);

    QAction *preferredEditAction() const override { return m_edit; }
    QList<QAction *> taskActions() const override { return {m_edit}; }

private:
    void editProperties();

    QWidget *m_control;
    QAction *m_edit;
};

// Makes the task menu of the controls of one class.
class ZVCalTaskMenuFactory : public QExtensionFactory
{
    Q_OBJECT

public:
    ZVCalTaskMenuFactory(const QString &className, QExtensionManager *parent);

protected:
    QObject *createExtension(QObject *object, const QString &iid, QObject *parent) const override;

private:
    QString m_className;
};

// The plugin: both controls, as the widgets of libZVCalWidgets.so.
class ZVCalDesignerPlugin : public QObject, public QDesignerCustomWidgetCollectionInterface
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface")
    Q_INTERFACES(QDesignerCustomWidgetCollectionInterface)

public:
    explicit ZVCalDesignerPlugin(QObject *parent = nullptr);

    QList<QDesignerCustomWidgetInterface *> customWidgets() const override { return m_widgets; }

private:
    QList<QDesignerCustomWidgetInterface *> m_widgets;
};
