// SPDX-License-Identifier: MIT
#pragma once
// Plain records whose fields are given once, as a list, so that the record and
// every table over its fields (the scenarios' access by name) are made from the
// same list. A list is a macro LIST(N, T, A) that names each field as
//   N(type, name)               a number, 0 at the start;
//   T(name)                     a text, empty at the start;
//   A(type, name, size, first)  an array of `size` numbers used from index `first`.
#include <array>
#include <string>

#define TONVALE_NUMBER_MEMBER(type, name) type name = 0;
#define TONVALE_TEXT_MEMBER(name) std::string name;
#define TONVALE_ARRAY_MEMBER(type, name, size, first) std::array<type, size> name{};
// The members of a record, declared from its list.
#define TONVALE_FIELD_MEMBERS(LIST) LIST(TONVALE_NUMBER_MEMBER, TONVALE_TEXT_MEMBER, TONVALE_ARRAY_MEMBER)
