#pragma once

#include <memory>

class QObject;

// Follows a Qt object and reads null once the object is gone, as QPointer
// does, for headers that window code includes and that so name no Qt header.
class ObjectGuard {
public:
    ObjectGuard();
    explicit ObjectGuard(QObject* object);
    ~ObjectGuard();
    ObjectGuard(const ObjectGuard&) = delete;
    ObjectGuard& operator=(const ObjectGuard&) = delete;
    ObjectGuard& operator=(QObject* object);

    QObject* get() const;
    explicit operator bool() const { return get() != nullptr; }

private:
    struct Pointer;
    std::unique_ptr<Pointer> pointer_;
};
