// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a simulator does around CSessionLoop beyond answering the PC: when
// its device disappears, what it keeps of a session, when it has served
// enough. The loop calls it at fixed points of a session.
class ISessionOwner {
public:
    virtual ~ISessionOwner() = default;

    // The device is to disappear: the pseudo-terminal closes and the
    // simulator ends.
    virtual bool WantsToVanish() const = 0;
    // After the answer to bytes from the PC went out; false leaves the rest
    // of what the PC sent unread.
    virtual bool Replied() = 0;
    // After the loop sent what the line had due; false ends the session at
    // once, without ending the device's session, because it vanishes.
    virtual bool Polled() = 0;
    // A session in which the device started is over.
    virtual void Served() {}
    // The last moment before the pseudo-terminal closes for good.
    virtual void Vanishing() {}
    // The simulator has served the sessions it was asked for.
    virtual bool Done() const = 0;
};
