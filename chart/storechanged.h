// The setter idiom of chart properties: a changed value is stored and then announced; assigning
// the current value again does nothing.
#pragma once

template <typename T, typename Notify>
bool StoreChanged(T& field, const T& value, Notify&& notify) {
    if (field == value) return false;
    field = value;
    notify();
    return true;
}
