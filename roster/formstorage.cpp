#include "formstorage.h"

#include "errorreport.h"

#include <QAbstractButton>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

FormStorage::FormStorage(QWidget* form, QAbstractButton* storedCheckBox, SettingsFile file)
    : QObject(form), m_form(form), m_checkBox(storedCheckBox), m_file(std::move(file))
{
    form->installEventFilter(this);
}

bool FormStorage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_form) {
        if (event->type() == QEvent::Show && !event->spontaneous())
            restore();
        else if (event->type() == QEvent::Close)
            runHandler([this] { save(); });
    }
    return QObject::eventFilter(watched, event);
}

void FormStorage::restore()
{
    m_saved = false;
    if (const auto restored = m_file.restore()) {
        // The dialog cannot be maximized: it keeps its size.
        if (restored->showState == 2)
            m_form->setWindowState(m_form->windowState() | Qt::WindowMinimized);
        else
            m_form->setWindowState(m_form->windowState() & ~Qt::WindowMinimized);
        if (restored->showWelcome)
            m_checkBox->setChecked(*restored->showWelcome);
    }
    m_restored = true;
}

void FormStorage::save()
{
    if (!m_restored)
        return;
    SettingsFile::Saved values;
    const Qt::WindowStates state = m_form->windowState();
    values.showCmd = state & Qt::WindowMinimized ? 2 : state & Qt::WindowMaximized ? 3 : 1;
    values.flags = (state & Qt::WindowMinimized) && (state & Qt::WindowMaximized) ? 2 : 0;
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        values.screenSize = screen->size();
        values.pixelsPerInch = qRound(screen->logicalDotsPerInch());
    }
    values.normalRect = m_form->frameGeometry();
    values.visible = m_destroying;
    values.showWelcome = m_checkBox->isChecked();
    m_file.save(values);
    m_saved = true;
}

void FormStorage::formDestroying()
{
    m_destroying = true;
    if (!m_saved)
        save();
}
