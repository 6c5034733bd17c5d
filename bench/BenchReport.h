#pragma once

#include <string>
#include <vector>

// Collects the medians of every case and prints them as a table and as CSV.
class CBenchReport
{
public:
    // One measured line. plainMs < 0 means there is no plain counterpart; goal <= 0 means no goal.
    struct CRow
    {
        std::string strCase;
        std::string strSize;
        std::string strUnit;
        double      qelMs;
        double      plainMs;
        double      goal;
        std::string strGoal;
        double      qelMin = -1, qelMax = -1;       // spread of the repetitions; negative when not measured
        double      plainMin = -1, plainMax = -1;
    };

    void Add(const CRow& row);
    // Adds a line whose value is a ratio of two QEL measurements (no plain side), for goals like linearity.
    void AddRatioOnly(const std::string& strCase, const std::string& strSize, double ratio, double goal,
                      const std::string& strGoal);

    void PrintTable() const;
    bool WriteCsv(const char* pszPath) const;
    int  MissCount() const;

private:
    static double      Ratio(const CRow& row);
    static const char* Verdict(const CRow& row);

    std::vector<CRow> m_rows;
};
