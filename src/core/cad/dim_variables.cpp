#include "core/cad/dim_variables.h"

#include <cctype>
#include <cmath>

namespace korvel::cad {
namespace {

std::string upper(std::string_view name) {
    std::string out(name);
    for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

const char* kindName(VariableKind kind) {
    switch (kind) {
        case VariableKind::Whole:
            return "a whole number";
        case VariableKind::Real:
            return "a number";
        case VariableKind::Text:
            return "a text";
    }
    return "";
}

// The value converted to the variable's kind, or an error.
Variable converted(const DimVariable& v, const Variable& value) {
    switch (v.kind) {
        case VariableKind::Text:
            if (std::holds_alternative<std::string>(value)) return value;
            break;
        case VariableKind::Real:
            if (const int* i = std::get_if<int>(&value)) return static_cast<double>(*i);
            if (const double* d = std::get_if<double>(&value); d && std::isfinite(*d)) return *d;
            break;
        case VariableKind::Whole:
            if (std::holds_alternative<int>(value)) return value;
            if (const double* d = std::get_if<double>(&value);
                d && std::isfinite(*d) && *d == std::floor(*d) && std::fabs(*d) <= 32767)
                return static_cast<int>(*d);
            break;
    }
    throw Error(std::string(v.name) + " takes " + kindName(v.kind));
}

}  // namespace

const std::vector<DimVariable>& dimVariables() {
    // A metric drawing: 2.5 mm text and arrows, decimal point, text aligned
    // with the dimension line and above it, kept between the extension lines.
    static const std::vector<DimVariable> variables = {
        {"DIMPOST", 3, VariableKind::Text, std::string()},
        {"DIMSCALE", 40, VariableKind::Real, 1.0},
        {"DIMASZ", 41, VariableKind::Real, 2.5},
        {"DIMEXO", 42, VariableKind::Real, 0.625},
        {"DIMEXE", 44, VariableKind::Real, 1.25},
        {"DIMTIH", 73, VariableKind::Whole, 0},
        {"DIMTOH", 74, VariableKind::Whole, 0},
        {"DIMSE1", 75, VariableKind::Whole, 0},
        {"DIMSE2", 76, VariableKind::Whole, 0},
        {"DIMTAD", 77, VariableKind::Whole, 1},
        {"DIMZIN", 78, VariableKind::Whole, 0},
        {"DIMTXT", 140, VariableKind::Real, 2.5},
        {"DIMGAP", 147, VariableKind::Real, 0.625},
        {"DIMTIX", 174, VariableKind::Whole, 1},
        {"DIMCLRD", 176, VariableKind::Whole, 0},
        {"DIMCLRE", 177, VariableKind::Whole, 0},
        {"DIMCLRT", 178, VariableKind::Whole, 0},
        {"DIMDEC", 271, VariableKind::Whole, 2},
        {"DIMDSEP", 278, VariableKind::Whole, '.'},
        {"DIMSD1", 281, VariableKind::Whole, 0},
        {"DIMSD2", 282, VariableKind::Whole, 0},
    };
    return variables;
}

const DimVariable* findDimVariable(std::string_view name) {
    const std::string wanted = upper(name);
    for (const auto& v : dimVariables())
        if (wanted == v.name) return &v;
    return nullptr;
}

DimSettings::DimSettings() {
    for (const auto& v : dimVariables()) values_.emplace(v.name, v.initial);
}

void DimSettings::set(std::string_view name, const Variable& value) {
    const DimVariable* v = findDimVariable(name);
    if (v == nullptr) throw Error("unknown drawing variable " + std::string(name));
    values_[v->name] = converted(*v, value);
}

const Variable& DimSettings::get(std::string_view name) const {
    const DimVariable* v = findDimVariable(name);
    if (v == nullptr) throw Error("unknown drawing variable " + std::string(name));
    return values_.find(v->name)->second;
}

double DimSettings::real(std::string_view name) const {
    const Variable& v = get(name);
    if (const double* d = std::get_if<double>(&v)) return *d;
    if (const int* i = std::get_if<int>(&v)) return *i;
    throw Error(std::string(name) + " is a text");
}

int DimSettings::whole(std::string_view name) const {
    const Variable& v = get(name);
    if (const int* i = std::get_if<int>(&v)) return *i;
    throw Error(std::string(name) + " is not a whole number");
}

const std::string& DimSettings::text(std::string_view name) const {
    const Variable& v = get(name);
    if (const std::string* s = std::get_if<std::string>(&v)) return *s;
    throw Error(std::string(name) + " is not a text");
}

std::vector<const DimVariable*> DimSettings::differencesFrom(const DimSettings& base) const {
    std::vector<const DimVariable*> out;
    for (const auto& v : dimVariables())
        if (values_.find(v.name)->second != base.values_.find(v.name)->second) out.push_back(&v);
    return out;
}

}  // namespace korvel::cad
