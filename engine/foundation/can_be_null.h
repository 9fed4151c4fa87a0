#pragma once
// A value that may be absent.  The engine expresses a missing dictionary,
// entry, reading or iterator with this, never with an empty handle.

template <class T>
class CanBeNull {
public:
    CanBeNull() : fValue(nullptr) {}
    CanBeNull(T const& value) : fValue(new T(value)) {}
    CanBeNull(CanBeNull const& other) : fValue(other.fValue ? new T(*other.fValue) : nullptr) {}
    CanBeNull& operator=(CanBeNull other) {
        T* old = fValue;
        fValue = other.fValue;
        other.fValue = old;
        return *this;
    }
    ~CanBeNull() { delete fValue; }

    // The copy is made before the held value goes, so value may be (part of)
    // the held value itself.
    void Set(T const& value) {
        T* copy = new T(value);
        delete fValue;
        fValue = copy;
    }
    void Clear() {
        delete fValue;
        fValue = nullptr;
    }

    bool IsNull() const { return fValue == nullptr; }
    // Only when not IsNull().
    T& Get() { return *fValue; }
    T const& Get() const { return *fValue; }

private:
    T* fValue;
};
