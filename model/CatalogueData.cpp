// Fixed content of the two scorecard variants: for every item its number, texts,
// maximum points and answer options from best to worst practice.
#include "Catalogue.h"

// "BigMunicipality": 25 items, each rated 4, 3, 2, 1 or 0 points.
static constexpr CatalogueItem bigItems[25] = {
    {
        .number = 1,
        .description = "Development of Standard Water Balance",
        .heading = "1. Development of Standard Water Balance",
        .maxPoints = 4,
        .optionCount = 5,
        .options = {{
            {"WSA has developed reliable water balance and results indicate UAW/NRW at less than "
             "20%",
             4},
            {"WSA has developed reliable water balance and results indicate UAW/NRW at 20% to 40%",
             3},
            {"WSA has developed reliable water balance and results indicate UAW/NRW at more than "
             "40%",
             2},
            {"WSA has no water balance. Is currently developing one", 1},
            {"WSA has no water balance", 0},
        }},
    },
    {
        .number = 2,
        .description = "Pressurised Supply to all consumers 100% of time",
        .heading = "2. Pressurised Supply to all consumers 100% of time",
        .maxPoints = 4,
        .optionCount = 5,
        .options = {{
            {"All areas of the WSA's network are pressurised 100% of the time at a pressure of "
             "20 m or more",
             4},
            {"All areas of the WSA's network are pressurised 100% of the time, but the pressure "
             "drops below 10 m in places",
             3},
            {"WSA has small isolated sections of the network with an intermittent supply", 2},
            {"WSA has many sections of the network with an intermittent supply", 1},
            {"WSA's whole network has an intermittent supply", 0},
        }},
    },
    {
        .number = 3,
        .description = "Residential Metering System",
        .heading = "3. Residential Metering System",
        .maxPoints = 4,
        .optionCount = 5,
        .options = {{
            {"WSA has more than 98% of residential connections metered and billed", 4},
            {"WSA has 75% to 98% of residential connections metered and billed", 3},
            {"WSA has 50% to 75% of residential connections metered and billed", 2},
            {"WSA has less than 50% of residential connections metered and billed", 1},
            {"WSA has no residential metering", 0},
        }},
    },
    {
        .number = 4,
        .description = "Non Residential Meters (Commercial, Industrial and Institutional)",
        .heading = "4. Non Residential Metering System (Commercial, Industrial and Institutional) ",
        .maxPoints = 4,
        .optionCount = 5,
        .options = {{
            {"WSA has more than 98% of non-residential connections, including fire connections, "
             "metered and billed on metered consumption",
             4},
            {"WSA has 75% to 98% of non-residential connections, including fire connections, "
             "metered and billed on metered consumption",
             3},
            {"WSA has 50% to 75% of non-residential connections, including fire connections, "
             "metered and billed on metered consumption",
             2},
            {"WSA has less than 50% of non-residential connections, including fire connections, "
             "metered and billed on metered consumption",
             1},
            {"WSA has no non-residential connections metered and billed on metered consumption", 0},
        }},
    },
    {
        .number = 5,
        .description = "Effective Billing System including Informative Billing",
        .heading = "5. Effective Billing System including Informative Billing ",
        .maxPoints = 4,
        .optionCount = 5,
        .options = {{
            {"WSA provides informative bills based on meter readings to all customers", 4},
            {"WSA provides informative bills based on meter readings to most customers", 3},
            {"WSA provides informative bills based on meter readings to only some customers", 2},
            {"WSA has a billing system, but its bills are not informative", 1},
            {"WSA has no billing system", 0},
        }},
    },
    {
        .number = 6,
        .description = "Network (Leakage) Complaints System",
        .heading = "6. Network (Leakage) Complaints System",
        .maxPoints = 4,
        .optionCount = 5,
        .options = {{
            {"WSA has a leak reporting system and 90% of reported leaks are repaired within "
             "24 hours",
             4},
            {"WSA has a leak reporting system and 90% of reported leaks are repaired within "
             "48 hours",
             3},
            {"WSA has a leak reporting system, but its response times need to be improved", 2},
            {"WSA has a leak reporting system, but few field teams are available to repair leaks",
             1},
            {"WSA has no leak reporting system and no plans to set one up", 0},
        }},
    },
    {
        .number = 7,
        .description = "Billing and Metering Complaints System",
        .heading = "7. Billing and Metering Complaints System",
        .maxPoints = 4,
        .optionCount = 5,
        .options = {{
            {"WSA has a metering and billing complaints system and 90% of complaints are dealt "
             "with within 14 days",
             4},
            {"WSA has a metering and billing complaints system and 90% of complaints are dealt "
             "with within one month",
             3},
            {"WSA has a metering and billing complaints system, but its response times need to be "
             "improved",
             2},
            {"WSA's response to metering and billing complaints is very poor and many problems are "
             "never resolved",
             1},
            {"WSA has no metering and billing complaints system", 0},
        }},
    },
    {
        .number = 8,
        .description = "Asset Register for Water Reticulation System",
        .heading = "8. Asset Register for Water Reticulation System",
        .maxPoints = 4,
        .optionCount = 5,
        .options = {{
            {"WSA has a comprehensive and accurate asset register in digital format", 4},
            {"WSA has a partly completed asset register, which is accurate", 3},
            {"WSA has a poor asset register", 2},
            {"WSA has no asset register. Is currently developing one", 1},
            {"WSA has no asset register and no intention to develop one", 0},
        }},
    },
    {
        .number = 9,
        .description = "Asset Management - Capital Works",
        .heading = "9. Asset Management - Capital Works",
        .maxPoints = 4,
        .optionCount = 5,
        .options = {{
            {"WSA invests 2% or more of the network's asset value in new capital works every year",
             4},
            {"WSA invests 1% to 2% of the network's asset value in new capital works every year",
             3},
            {"WSA invests less than 1% of the network's asset value in new capital works every "
             "year",
             2},
            {"WSA does not know the network's asset value, but feels that its annual spending on "
             "new capital works is sufficient",
             1},
            {"WSA does not know the network's asset value and feels that its annual spending on "
             "new capital works is insufficient",
             0},
        }},
    },
    {
        .number = 10,
        .description = "Asset Management - Operations and Maintenance",
        .heading = "10. Asset Management - Operations and Maintenance",
        .maxPoints = 4,
        .optionCount = 5,
        .options = {{
            {"WSA spends 2% or more of the network's asset value on operations and maintenance "
             "every year",
             4},
            {"WSA spends 1% to 2% of the network's asset value on operations and maintenance every "
             "year",
             3},
            {"WSA spends less than 1% of the network's asset value on operations and maintenance "
             "every year",
             2},
            {"WSA does not know the network's asset value, but feels that its annual spending on "
             "operations and maintenance is sufficient",
             1},
            {"WSA does not know the network's asset value and feels that its annual spending on "
             "operations and maintenance is insufficient",
             0},
        }},
    },
    {
        .number = 11,
        .description = "Dedicated WDM support",
        .heading = "11. Dedicated WDM support",
        .maxPoints = 4,
        .optionCount = 5,
        .options = {{
            {"WSA has a dedicated WDM section with sufficient resources", 4},
            {"WSA has a dedicated WDM section, which needs some additional resources and capacity "
             "building",
             3},
            {"WSA has a dedicated WDM section, which needs major additional resources and capacity "
             "building",
             2},
            {"WSA has no dedicated WDM section, but intends to establish one", 1},
            {"WSA has no dedicated WDM section and no intention to establish one", 0},
        }},
    },
    {
        .number = 12,
        .description = "Active Leakage Control ",
        .heading = "12. Active Leakage Control ",
        .maxPoints = 4,
        .optionCount = 5,
        .options = {{
            {"WSA carries out continuous active leakage detection and repair with an average sweep "
             "time of 12 months or less",
             4},
            {"WSA carries out continuous active leakage detection and repair with an average sweep "
             "time of 48 months",
             3},
            {"WSA carries out active leakage detection on an ad hoc basis only", 2},
            {"WSA carries out no active leakage control, but intends to start", 1},
            {"WSA carries out no active leakage control and has no intention to start", 0},
        }},
    },
    {
        .number = 13,
        .description = "Effective Sectorisation",
        .heading = "13. Effective Sectorisation",
        .maxPoints = 4,
        .optionCount = 5,
        .options = {{
            {"WSA's network is sectorised and checked regularly to make sure that the zones remain "
             "discrete",
             4},
            {"WSA's network is sectorised, but the zones are not checked regularly", 3},
            {"WSA's network is only partly sectorised", 2},
            {"WSA has few zones, but plans to sectorise the network", 1},
            {"WSA's network is not sectorised and there are no plans to sectorise it", 0},
        }},
    },
    {
        .number = 14,
        .description = "Effective Bulk Meter Management",
        .heading = "14. Effective Bulk Meter Management",
        .maxPoints = 4,
        .optionCount = 5,
        .options = {{
            {"WSA meters all bulk sources itself and has some check metering in place", 4},
            {"All of the WSA's bulk sources are metered by the bulk supplier or by the WSA", 3},
            {"WSA has few bulk meters in working order", 2},
            {"WSA has no bulk meters, but plans to install them", 1},
            {"WSA has no bulk meters and no plans to install them", 0},
        }},
    },
    {
        .number = 15,
        .description = "Effective Zone Meter Management and Assessment of Minimum Night Flows",
        .heading = "15. Effective Zone Meter Management and Assessment of Minimum Night Flows",
        .maxPoints = 4,
        .optionCount = 5,
        .options = {{
            {"All of the WSA's zone inlets are metered and accurate, and minimum night flows are "
             "logged and analysed regularly",
             4},
            {"All of the WSA's zone inlets are metered and accurate, but minimum night flows are "
             "not analysed",
             3},
            {"WSA's zone inlets are metered, but many of the meters are broken or inaccurate", 2},
            {"WSA's zone inlets are not metered, but zone meters are planned", 1},
            {"WSA has no accurate zone metering and no plans to install it", 0},
        }},
    },
    {
        .number = 16,
        .description = "Pressure Management and Maintenance of Pressure Reducing Valves",
        .heading = "16. Pressure Management and Maintenance of Pressure Reducing Valves",
        .maxPoints = 4,
        .optionCount = 5,
        .options = {{
            {"WSA has discrete pressure zones throughout the network and every PRV is on a "
             "maintenance schedule",
             4},
            {"WSA has discrete pressure zones, but its PRVs are maintained only when problems "
             "arise",
             3},
            {"WSA's pressure zones are not verified and there is little or no PRV maintenance", 2},
            {"WSA has no discrete pressure zones, but intends to establish pressure zones and "
             "install PRVs",
             1},
            {"WSA has no discrete pressure zones and no PRV maintenance", 0},
        }},
    },
    {
        .number = 17,
        .description = "As-Built Drawings of Bulk and Reticulation Infrastructure",
        .heading = "17. As-Built Drawings of Bulk and Reticulation Infrastructure",
        .maxPoints = 4,
        .optionCount = 5,
        .options = {{
            {"WSA has accurate as-built drawings of all reticulation in digital format", 4},
            {"WSA has digital as-built drawings for most of the network and hard copies for the "
             "rest",
             3},
            {"WSA has a mixture of digital and hard copy as-built drawings with known data quality "
             "problems",
             2},
            {"WSA has hard copy as-built drawings for parts of the network only", 1},
            {"WSA has no as-built drawings", 0},
        }},
    },
    {
        .number = 18,
        .description = "Schematic Layout of Water Infrastructure",
        .heading = "18. Schematic Layout of Water Infrastructure",
        .maxPoints = 4,
        .optionCount = 5,
        .options = {{
            {"WSA has an up-to-date, detailed schematic layout of the whole bulk network", 4},
            {"WSA has a detailed schematic layout, but it is known to be outdated or inaccurate",
             3},
            {"WSA has only a rough, inaccurate or outdated schematic layout", 2},
            {"WSA has no schematic layout, but plans to develop one", 1},
            {"WSA has no schematic layout and no plans to develop one", 0},
        }},
    },
    {
        .number = 19,
        .description = "Regulations and Bylaws",
        .heading = "19. Regulations and Bylaws",
        .maxPoints = 4,
        .optionCount = 5,
        .options = {{
            {"WSA has regulations and bylaws that address WDM and enforces them to some extent", 4},
            {"WSA has regulations and bylaws that address WDM, but does not enforce them", 3},
            {"WSA has regulations and bylaws in place, but they do not address WDM", 2},
            {"WSA has no regulations and bylaws, but intends to introduce them", 1},
            {"WSA has no regulations and bylaws and no plans to introduce them", 0},
        }},
    },
    {
        .number = 20,
        .description = "Tariffs",
        .heading = "20. Tariffs",
        .maxPoints = 4,
        .optionCount = 5,
        .options = {{
            {"WSA has a rising block tariff structure that encourages the efficient use of water",
             4},
            {"WSA has a rising block tariff structure, but it does not encourage the efficient use "
             "of water enough",
             3},
            {"WSA has a single tariff for all water use", 2},
            {"WSA has a declining block tariff structure", 1},
            {"WSA's tariff structure is not known", 0},
        }},
    },
    {
        .number = 21,
        .description = "Technical Support to Customers",
        .heading = "21. Technical Support to Customers",
        .maxPoints = 4,
        .optionCount = 5,
        .options = {{
            {"WSA actively offers technical support on WDM to domestic and to commercial or "
             "industrial customers",
             4},
            {"WSA offers technical support on WDM proactively to large consumers", 3},
            {"WSA offers technical support on WDM only reactively", 2},
            {"WSA offers no technical support, but plans a support mechanism", 1},
            {"WSA offers no technical support and has no plans to do so", 0},
        }},
    },
    {
        .number = 22,
        .description = "Removal of Unlawful Connections",
        .heading = "22. Removal of Unlawful Connections",
        .maxPoints = 4,
        .optionCount = 5,
        .options = {{
            {"WSA monitors all unlawful connections and removes them", 4},
            {"WSA monitors unlawful connections and removes them selectively", 3},
            {"WSA monitors unlawful connections, but has no policy for removing them", 2},
            {"WSA plans measures to deal with unlawful connections", 1},
            {"WSA has no plans to deal with unlawful connections", 0},
        }},
    },
    {
        .number = 23,
        .description = "Community Awareness and Education Programmes",
        .heading = "23. Community Awareness and Education Programmes",
        .maxPoints = 4,
        .optionCount = 5,
        .options = {{
            {"WSA actively runs community workshops on water conservation with a dedicated team",
             4},
            {"WSA runs community workshops on water conservation without a dedicated team", 3},
            {"WSA has very little involvement with the community on water conservation", 2},
            {"WSA runs no community workshops, but has proposed them", 1},
            {"WSA runs no community workshops", 0},
        }},
    },
    {
        .number = 24,
        .description = "Schools Awareness and Education Programmes",
        .heading = "24. Schools Awareness and Education Programmes",
        .maxPoints = 4,
        .optionCount = 5,
        .options = {{
            {"WSA actively runs workshops on water conservation in schools with a dedicated team",
             4},
            {"WSA runs workshops on water conservation in schools without a dedicated team", 3},
            {"WSA has very little involvement with schools on water conservation", 2},
            {"WSA runs no workshops in schools, but has proposed them", 1},
            {"WSA runs no workshops in schools", 0},
        }},
    },
    {
        .number = 25,
        .description = "Newspaper & radio articles plus posters and leaflets for distribution",
        .heading = "25. Newspaper & radio articles plus posters and leaflets for distribution",
        .maxPoints = 4,
        .optionCount = 5,
        .options = {{
            {"WSA places regular newspaper or radio adverts and has a library of posters and "
             "leaflets for distribution",
             4},
            {"WSA places occasional newspaper or radio adverts and has a library of posters and "
             "leaflets",
             3},
            {"WSA has a library of posters and leaflets, but places no newspaper or radio adverts",
             2},
            {"WSA has some leaflets or posters and intends to promote WC/WDM more", 1},
            {"WSA has no newspaper or radio adverts, posters or leaflets", 0},
        }},
    },
};

// "SmallMunicipality": 22 items with their own maxima (100 in all). Item 13 keeps a
// maximum of 3 although its best option is worth 4. Items 20 to 22 have fewer than
// five options; their spare slots stay empty.
static constexpr CatalogueItem smallItems[22] = {
    {
        .number = 1,
        .description = "Development of Standard Water Balance",
        .heading = "1. Development of Standard Water Balance.",
        .maxPoints = 5,
        .optionCount = 5,
        .options = {{
            {"WSA has developed a reliable water balance and results indicate NRW/UAW at 20% or "
             "less.",
             5},
            {"WSA has developed a reliable water balance and results indicate NRW/UAW at 30% or "
             "less.",
             4},
            {"WSA has developed a reliable water balance and results indicate NRW/UAW at more than "
             "30%.",
             3},
            {"WSA has no reliable water balance, but there is no obvious leakage problem.", 2},
            {"WSA has no water balance and there is an obvious water loss problem.", 0},
        }},
    },
    {
        .number = 2,
        .description = "Pressurised Supply to all consumers 100% of time",
        .heading = "2. Pressurised Supply to all consumers 100% of time.",
        .maxPoints = 5,
        .optionCount = 5,
        .options = {{
            {"All areas of the WSA's network are pressurised 100% of the time at a pressure of "
             "20 m or more.",
             5},
            {"WSA's network pressure drops below 20 m in places during peak periods.", 4},
            {"WSA has small isolated sections of the network with an intermittent supply.", 3},
            {"WSA has many sections of the network with an intermittent supply.", 2},
            {"WSA's whole network has an intermittent supply.", 1},
        }},
    },
    {
        .number = 3,
        .description = "Consumer Metering System",
        .heading = "3. Consumer Metering System.",
        .maxPoints = 5,
        .optionCount = 5,
        .options = {{
            {"WSA has more than 98% of its consumers metered.", 5},
            {"WSA has 76% to 98% of its consumers metered.", 4},
            {"WSA has 50% to 75% of its consumers metered.", 3},
            {"WSA has less than 50% of its consumers metered.", 2},
            {"WSA has no consumer metering.", 0},
        }},
    },
    {
        .number = 4,
        .description = "Effective Billing System including Informative Billing",
        .heading = "4. Effective Billing System including Informative Billing.",
        .maxPoints = 5,
        .optionCount = 5,
        .options = {{
            {"WSA sends informative, itemised monthly bills based on meter readings to all "
             "consumers.",
             5},
            {"WSA sends itemised monthly bills to all consumers.", 4},
            {"WSA sends itemised monthly bills to some consumers.", 3},
            {"WSA is developing an itemised billing system.", 2},
            {"WSA has no itemised billing.", 0},
        }},
    },
    {
        .number = 5,
        .description = "General Complaints System",
        .heading = "5. General Complaints System.",
        .maxPoints = 5,
        .optionCount = 5,
        .options = {{
            {"WSA has a general complaints system for metering, billing and leaks; 90% of billing "
             "problems are resolved in 14 days and 90% of leaks repaired within 48 hours.",
             5},
            {"WSA has a general complaints system; 90% of billing problems are resolved in one "
             "month and 90% of leaks repaired within 72 hours.",
             4},
            {"WSA has a general complaints system, but its response times need to be improved.", 3},
            {"WSA's response to complaints is very poor and many problems are never resolved.", 2},
            {"WSA has no complaints system.", 0},
        }},
    },
    {
        .number = 6,
        .description = "Asset Register for Water Reticulation System",
        .heading = "6. Asset Register for Water Reticulation System.",
        .maxPoints = 5,
        .optionCount = 5,
        .options = {{
            {"WSA has a comprehensive and accurate asset register.", 5},
            {"WSA has a reasonably accurate asset register.", 4},
            {"WSA has an incomplete asset register.", 3},
            {"WSA is developing an asset register.", 2},
            {"WSA has no asset register.", 0},
        }},
    },
    {
        .number = 7,
        .description = "Asset Management - Capital Works",
        .heading = "7. Asset Management - Capital Works.",
        .maxPoints = 5,
        .optionCount = 5,
        .options = {{
            {"WSA invests 2% or more of the network's asset value in new capital works every year.",
             5},
            {"WSA invests 1.5% to 2% of the network's asset value in new capital works every year.",
             4},
            {"WSA invests 1.0% to 1.5% of the network's asset value in new capital works every "
             "year.",
             3},
            {"WSA invests 0.5% to 1.0% of the network's asset value in new capital works every "
             "year.",
             2},
            {"WSA invests 0% to 0.5% of the network's asset value in new capital works every year.",
             1},
        }},
    },
    {
        .number = 8,
        .description = "Asset Management - Operations and Maintenance",
        .heading = "8. Asset Management - Operations and Maintenance.",
        .maxPoints = 5,
        .optionCount = 5,
        .options = {{
            {"WSA spends 2% or more of the network's asset value on maintenance every year.", 5},
            {"WSA spends 1.5% to 2% of the network's asset value on maintenance every year.", 4},
            {"WSA spends 1.0% to 1.5% of the network's asset value on maintenance every year.", 3},
            {"WSA spends 0.5% to 1.0% of the network's asset value on maintenance every year.", 2},
            {"WSA spends 0% to 0.5% of the network's asset value on maintenance every year.", 1},
        }},
    },
    {
        .number = 9,
        .description = "Active Leakage Control",
        .heading = "9. Active Leakage Control.",
        .maxPoints = 5,
        .optionCount = 5,
        .options = {{
            {"WSA carries out continuous active leakage detection with an average sweep time of "
             "12 months or less.",
             5},
            {"WSA carries out continuous active leakage detection with an average sweep time of "
             "48 months.",
             4},
            {"WSA carries out ad hoc leakage detection with an average sweep time of more than "
             "48 months.",
             3},
            {"WSA carries out no active leakage detection, but intends to start.", 1},
            {"WSA carries out no active leakage detection and has no intention to start.", 0},
        }},
    },
    {
        .number = 10,
        .description = "Effective Sectorisation",
        .heading = "10. Effective Sectorisation.",
        .maxPoints = 5,
        .optionCount = 5,
        .options = {{
            {"WSA's network is sectorised and the zones are checked regularly.", 5},
            {"WSA's network is sectorised, but the zones are not checked regularly.", 4},
            {"WSA's network is sectorised in parts.", 3},
            {"WSA has few zones, but plans to sectorise the network.", 2},
            {"WSA's network is not sectorised and there are no plans to sectorise it.", 0},
        }},
    },
    {
        .number = 11,
        .description = "Effective Bulk Meter Management",
        .heading = "11. Effective Bulk Meter Management.",
        .maxPoints = 5,
        .optionCount = 5,
        .options = {{
            {"WSA has all required bulk meters in place and more than 90% of them are working.", 5},
            {"WSA has all required bulk meters in place and more than 75% of them are working.", 4},
            {"WSA has bulk meters in place, but few of them are working.", 3},
            {"WSA has no bulk meters, but plans to install them.", 2},
            {"WSA has no bulk meters and no plans to install them.", 0},
        }},
    },
    {
        .number = 12,
        .description = "Credit Control Policy and Implementation  ",
        .heading = "12. Credit Control Policy and Implementation.",
        .maxPoints = 4,
        .optionCount = 5,
        .options = {{
            {"WSA has a credit control policy and strategy and implements them for all relevant "
             "consumers.",
             4},
            {"WSA has a credit control policy and strategy and implements them for some relevant "
             "consumers.",
             3},
            {"WSA has a credit control policy and strategy, but has not yet implemented them.", 2},
            {"WSA has no credit control policy, but plans to develop one.", 1},
            {"WSA has no credit control policy and no intention to develop one.", 0},
        }},
    },
    {
        .number = 13,
        .description = "Pressure Management ",
        .heading = "13. Pressure Management.",
        .maxPoints = 3,
        .optionCount = 5,
        .options = {{
            {"WSA has discrete pressure zones throughout the network and every PRV is maintained "
             "under a regular maintenance contract.",
             4},
            {"WSA has discrete pressure zones, but its PRVs are maintained only when problems "
             "arise.",
             3},
            {"WSA's pressure zones are not verified and there is little or no PRV maintenance.", 2},
            {"WSA has no discrete pressure zones, but intends to establish pressure zones and "
             "install PRVs.",
             1},
            {"WSA has no discrete pressure zones and no PRV maintenance.", 0},
        }},
    },
    {
        .number = 14,
        .description = "As-Built Drawings of Bulk and Reticulation Infrastructure",
        .heading = "14. As-Built Drawings of Bulk and Reticulation Infrastructure.",
        .maxPoints = 5,
        .optionCount = 5,
        .options = {{
            {"WSA has accurate as-built drawings of all reticulation in digital format.", 5},
            {"WSA has digital as-built drawings for most of the network and hard copies for the "
             "rest.",
             4},
            {"WSA has a mixture of digital and hard copy as-built drawings with known data quality "
             "problems.",
             3},
            {"WSA has hard copy as-built drawings for parts of the network only.", 2},
            {"WSA has no as-built drawings.", 0},
        }},
    },
    {
        .number = 15,
        .description = "Regulation of Water Fittings",
        .heading = "15. Regulation of Water Fittings.",
        .maxPoints = 5,
        .optionCount = 5,
        .options = {{
            {"WSA has a list of approved water fittings and enforces its by-laws for new and "
             "existing fittings.",
             5},
            {"WSA has a list of approved water fittings and enforces its by-laws for new fittings "
             "only.",
             4},
            {"WSA has a list of approved water fittings, but does not enforce it.", 3},
            {"WSA has no list of approved water fittings, but intends to compile one.", 2},
            {"WSA has no list of approved water fittings and no plans to compile one.", 0},
        }},
    },
    {
        .number = 16,
        .description = "By-Laws that relate to Water Conservation",
        .heading = "16. By-Laws that relate to Water Conservation.",
        .maxPoints = 5,
        .optionCount = 5,
        .options = {{
            {"WSA enforces by-laws that address WDM together with design standards above the "
             "national standards.",
             5},
            {"WSA enforces by-laws that address WDM together with the national standards.", 4},
            {"WSA has by-laws that address WDM, but does not enforce them.", 3},
            {"WSA has no by-laws that address WDM, but intends to introduce them.", 2},
            {"WSA has no by-laws that address WDM and no plans to introduce them.", 0},
        }},
    },
    {
        .number = 17,
        .description = "Removal of un-authorised connections",
        .heading = "17. Removal of un-authorised connections.",
        .maxPoints = 5,
        .optionCount = 5,
        .options = {{
            {"WSA monitors all illegal connections and removes them.", 5},
            {"WSA removes illegal connections selectively and on an ad hoc basis.", 4},
            {"WSA monitors illegal connections, but removes few of them.", 3},
            {"WSA plans measures to deal with illegal connections.", 2},
            {"WSA has no plans to deal with illegal connections.", 0},
        }},
    },
    {
        .number = 18,
        .description = "Community Awareness and Education Programmes",
        .heading = "18. Community Awareness and Education Programmes.",
        .maxPoints = 5,
        .optionCount = 5,
        .options = {{
            {"WSA actively runs community workshops on water conservation with a dedicated team.",
             5},
            {"WSA runs community workshops on water conservation without a dedicated team.", 4},
            {"WSA has very little involvement with the community on water conservation.", 3},
            {"WSA runs no community workshops, but has proposed them.", 2},
            {"WSA runs no community workshops.", 0},
        }},
    },
    {
        .number = 19,
        .description = "Schools Awareness and Education Programmes",
        .heading = "19. Schools Awareness and Education Programmes.",
        .maxPoints = 5,
        .optionCount = 5,
        .options = {{
            {"WSA actively runs workshops on water conservation in schools with a dedicated team.",
             5},
            {"WSA runs workshops on water conservation in schools without a dedicated team.", 4},
            {"WSA has very little involvement with schools on water conservation.", 3},
            {"WSA runs no workshops in schools, but has proposed them.", 2},
            {"WSA runs no workshops in schools.", 0},
        }},
    },
    {
        .number = 20,
        .description = "Waste Effluent Re-use ",
        .heading = "20. Waste Effluent Re-use.",
        .maxPoints = 3,
        .optionCount = 4,
        .options = {{
            {"WSA has investigated the re-use of treated waste effluent and implemented all "
             "required actions.",
             3},
            {"WSA has investigated the re-use of treated waste effluent and implemented limited "
             "actions.",
             2},
            {"WSA has investigated the re-use of treated waste effluent, but implemented nothing.",
             1},
            {"WSA has not investigated the re-use of treated waste effluent.", 0},
            {"", 0},
        }},
    },
    {
        .number = 21,
        .description = "Rainwater Harvesting",
        .heading = "21. Rainwater Harvesting.",
        .maxPoints = 2,
        .optionCount = 3,
        .options = {{
            {"WSA has investigated rainwater harvesting and implemented it.", 2},
            {"WSA has investigated rainwater harvesting, but not implemented it.", 1},
            {"WSA has not investigated rainwater harvesting.", 0},
            {"", 0},
            {"", 0},
        }},
    },
    {
        .number = 22,
        .description = "Retrofit Internal Plumbing in Public Buildings & Indigent Properties",
        .heading = "22. Retrofit Internal Plumbing in Public Buildings & Indigent Properties.",
        .maxPoints = 3,
        .optionCount = 4,
        .options = {{
            {"WSA has carried out detailed repairs of internal plumbing in public buildings and in "
             "the properties of indigent users.",
             3},
            {"WSA has carried out limited repairs of internal plumbing in public buildings and in "
             "indigent properties.",
             2},
            {"WSA has carried out limited repairs of internal plumbing in public buildings only.",
             1},
            {"WSA has carried out no repairs of internal plumbing in public buildings or indigent "
             "properties.",
             0},
            {"", 0},
        }},
    },
};

static constexpr Catalogue bigCatalogue{BigMunicipality, bigItems};
static constexpr Catalogue smallCatalogue{SmallMunicipality, smallItems};

const Catalogue &bigMunicipalityCatalogue()
{
    return bigCatalogue;
}

const Catalogue &smallMunicipalityCatalogue()
{
    return smallCatalogue;
}

const Catalogue *findCatalogue(const QString &key)
{
    if (key == QLatin1String(BigMunicipality))
        return &bigCatalogue;
    if (key == QLatin1String(SmallMunicipality))
        return &smallCatalogue;
    return nullptr;
}
