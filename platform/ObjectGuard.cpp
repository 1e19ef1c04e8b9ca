#include "platform/ObjectGuard.h"

#include <QObject>
#include <QPointer>

struct ObjectGuard::Pointer {
    QPointer<QObject> object;
};

ObjectGuard::ObjectGuard() : pointer_(std::make_unique<Pointer>()) {}

ObjectGuard::ObjectGuard(QObject* object) : ObjectGuard() {
    pointer_->object = object;
}

ObjectGuard::~ObjectGuard() = default;

ObjectGuard& ObjectGuard::operator=(QObject* object) {
    pointer_->object = object;
    return *this;
}

QObject* ObjectGuard::get() const {
    return pointer_->object.data();
}
