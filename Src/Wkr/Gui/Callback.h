// Callback: the action a button runs when it is pressed and released.
//
// Screens make one small subclass per action (or use MemberCallback to call a
// member function of the screen). The button owns its callback.
#pragma once

class Callback
{
public:
    virtual ~Callback();
    virtual void Invoke() = 0;
};

// Calls a member function of an object.
template <class T> class MemberCallback : public Callback
{
public:
    MemberCallback(T* object, void (T::*method)()) : _object(object), _method(method) {}
    void Invoke() override { (_object->*_method)(); }

private:
    T* _object;
    void (T::*_method)();
};
