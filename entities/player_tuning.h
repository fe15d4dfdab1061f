#pragma once

// Hero tuning shared by his source files. Speeds are pixels per frame, durations frames.
const int kHeroSize = 32;
const int kStartHealth = 3;
const int kWalkSpeed = 4;
const int kWalkFrameDelay = 5;
const int kSpeedUpFrameDelay = 3;
const int kEffectDuration = 1000;
const int kHitInvulnerableFrames = 60;

// Values of Player::effectType.
const int kSpeedUpEffect = 0;
const int kJetpackEffect = 1;

// Values of Player::frame.
const int kStandingFrame = 1;
const int kAirFrame = 3;
const int kDeadFrame = 4;
const int kTankFrame = 5;
