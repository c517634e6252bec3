// Owns one reference to a COM interface and releases it when it goes out of scope.
#pragma once
#include <windows.h>
#include <unknwn.h>

#include <utility>

template <typename Interface>
class ComPtr {
public:
    ComPtr() = default;
    ~ComPtr() { Reset(); }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ComPtr(ComPtr&& other) noexcept : m_pInterface(std::exchange(other.m_pInterface, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        if (this != &other) {
            Reset();
            m_pInterface = std::exchange(other.m_pInterface, nullptr);
        }
        return *this;
    }

    Interface* Get() const { return m_pInterface; }
    Interface* operator->() const { return m_pInterface; }
    explicit operator bool() const { return m_pInterface != nullptr; }

    // For the out-parameter of a creating call: releases what is held and hands out the slot.
    Interface** Receive() {
        Reset();
        return &m_pInterface;
    }
    void** ReceiveVoid() { return reinterpret_cast<void**>(Receive()); }

    void Reset() {
        if (m_pInterface != nullptr) std::exchange(m_pInterface, nullptr)->Release();
    }

private:
    Interface* m_pInterface = nullptr;
};
