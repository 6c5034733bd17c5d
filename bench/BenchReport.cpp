#include "BenchReport.h"

#include <stdio.h>

void CBenchReport::Add(const CRow& row)
{
    m_rows.push_back(row);
    const CRow& r = m_rows.back();
    printf("  %-34s %-12s QEL %10.4f %-6s", r.strCase.c_str(), r.strSize.c_str(), r.qelMs, r.strUnit.c_str());
    if (r.plainMs >= 0)
        printf("  plain %10.4f  ratio %6.3f", r.plainMs, Ratio(r));
    printf("  %s %s\n", r.strGoal.c_str(), Verdict(r));
    fflush(stdout);
}

void CBenchReport::AddRatioOnly(const std::string& strCase, const std::string& strSize, double ratio, double goal,
                                const std::string& strGoal)
{
    // Stored with plain = 1 so that the ratio column carries the value itself.
    Add(CRow{ strCase, strSize, "x", ratio, 1.0, goal, strGoal });
}

double CBenchReport::Ratio(const CRow& row)
{
    return row.plainMs > 0 ? row.qelMs / row.plainMs : 0.0;
}

const char* CBenchReport::Verdict(const CRow& row)
{
    if (row.goal <= 0)
        return "report";
    return Ratio(row) <= row.goal ? "PASS" : "MISS";
}

int CBenchReport::MissCount() const
{
    int nMisses = 0;
    for (const CRow& row : m_rows)
        nMisses += Verdict(row)[0] == 'M' ? 1 : 0;
    return nMisses;
}

void CBenchReport::PrintTable() const
{
    printf("\n| Case | Size | Unit | QEL | Plain | Ratio | Goal | Result |\n");
    printf("|---|---|---|---:|---:|---:|---|---|\n");
    for (const CRow& row : m_rows)
    {
        printf("| %s | %s | %s | %.4f | ", row.strCase.c_str(), row.strSize.c_str(), row.strUnit.c_str(), row.qelMs);
        if (row.plainMs >= 0)
            printf("%.4f | %.3f | ", row.plainMs, Ratio(row));
        else
            printf("n/a | n/a | ");
        printf("%s | %s |\n", row.strGoal.c_str(), Verdict(row));
    }
    fflush(stdout);
}

bool CBenchReport::WriteCsv(const char* pszPath) const
{
    FILE* pFile = fopen(pszPath, "w");
    if (pFile == NULL)
        return false;
    fprintf(pFile, "case,size,unit,qel,plain,ratio,goal,result,qel_min,qel_max,plain_min,plain_max\n");
    for (const CRow& row : m_rows)
    {
        fprintf(pFile, "\"%s\",\"%s\",%s,%.6f,", row.strCase.c_str(), row.strSize.c_str(), row.strUnit.c_str(),
                row.qelMs);
        if (row.plainMs >= 0)
            fprintf(pFile, "%.6f,%.4f,", row.plainMs, Ratio(row));
        else
            fprintf(pFile, "n/a,n/a,");
        fprintf(pFile, "%.2f,%s,%.6f,%.6f,%.6f,%.6f\n", row.goal, Verdict(row), row.qelMin, row.qelMax, row.plainMin,
                row.plainMax);
    }
    return fclose(pFile) == 0;
}
