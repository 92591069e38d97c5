#pragma once

#include <QString>

#include <exception>

/// A failure that ends the event handler it is raised in. Its message is what
/// the user reads in the error box (reportFailure adds the full stop).
class Failure : public std::exception {
public:
    explicit Failure(QString message);
    const QString& message() const { return m_message; }
    const char* what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};
