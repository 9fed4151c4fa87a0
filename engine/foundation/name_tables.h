#pragma once
// The name tables of the engine's coded values: a code is the index of its
// name.  Each table is a null-terminated array of exactly its count of names;
// codes without a known name carry a visible placeholder ("pos1234",
// "jpos17", "sem523", "domain17"), so every code prints as something and no
// two codes share a name.
//
// A table is built on its first use (thread-safe), so it is complete whenever
// it is read, whatever the order in which static objects are initialised.

constexpr unsigned long kE_Source_POSNameCount = 2760;
constexpr unsigned long kJ_Target_POSNameCount = 298;
constexpr unsigned long kPredefinedSemanticAtomCount = 840;
constexpr unsigned long kDomainNameCount = 80;

// English source parts of speech, indexed by `POS_E_Source`.
char const* const* kE_Source_POSNames();
// Japanese target parts of speech, indexed by `POS_J_Target`.
char const* const* kJ_Target_POSNames();
// Predefined semantic atoms, indexed by atom code.
char const* const* kPredefinedSemanticAtom_E_SourceDatabase();
// Subject domains, indexed by `DomainID` (0 to 79).
char const* const* kDomainNames();
