"""Attribute names: snake_case keys and the display names the library's
tracing uses, each with its identifier and value type."""

INT32, INT64, REAL64, BOOLEAN, STRING = "int32", "int64", "real64", "boolean", "string"

# snake_case name: (identifier, value type, display name)
ATTRIBUTES = {
    "acquisition_type": (1150001, INT32, "Acquisition Type"),
    "reference_level": (1150004, REAL64, "Reference Level"),
    "external_gain": (1150094, REAL64, "External Gain"),
    "rf_attenuation": (1150005, REAL64, "RF Attenuation"),
    "preamp_enabled": (1150129, BOOLEAN, "Preamp Enabled"),
    "lo_frequency": (1150068, REAL64, "LO Frequency"),
    "device_instantaneous_bandwidth": (1150125, REAL64, "Device Instantaneous Bandwidth"),
    "iq_carrier_frequency": (1150059, REAL64, "IQ Carrier Frequency"),
    "iq_rate": (1150007, REAL64, "IQ Rate"),
    "number_of_samples_is_finite": (1150008, BOOLEAN, "Number of Samples Is Finite"),
    "number_of_samples": (1150009, INT64, "Number of Samples"),
    "number_of_records_is_finite": (1150010, BOOLEAN, "Number of Records Is Finite"),
    "number_of_records": (1150011, INT64, "Number of Records"),
    "center_frequency": (1150002, REAL64, "Center Frequency"),
    "span": (1150003, REAL64, "Span"),
    "resolution_bandwidth": (1150013, REAL64, "Resolution Bandwidth"),
    "number_of_spectral_lines": (1150018, INT32, "Number of Spectral Lines"),
    "number_of_averages": (1150015, INT32, "Number of Averages"),
    "fetch_offset": (1150046, INT64, "Fetch Offset"),
    "records_done": (1150047, INT64, "Records Done"),
    "ref_clock_source": (1150019, STRING, "Ref Clock Source"),
    "ref_clock_rate": (1150020, REAL64, "Ref Clock Rate"),
    "start_trigger_type": (1150024, INT32, "Start Trigger Type"),
    "reference_trigger_type": (1150028, INT32, "Reference Trigger Type"),
    "reference_trigger_pretrigger_samples": (1150035, INT64, "Reference Trigger Pretrigger Samples"),
    "advance_trigger_type": (1150036, INT32, "Advance Trigger Type"),
    "serial_number": (1150053, STRING, "Serial Number"),
    "device_temperature": (1150051, REAL64, "Device Temperature"),
    "cache": (1050004, BOOLEAN, "Cache"),
    "interchange_check": (1050021, BOOLEAN, "Interchange Check"),
    "driver_setup": (1050007, STRING, "Driver Setup"),
    "query_instrument_status": (1050003, BOOLEAN, "Query Instrument Status"),
    "range_check": (1050002, BOOLEAN, "Range Check"),
    "record_value_coercions": (1050006, BOOLEAN, "Record Value Coercions"),
    "simulate": (1050005, BOOLEAN, "Simulate"),
    "description": (1050514, STRING, "Description"),
    "driver_prefix": (1050302, STRING, "Driver Prefix"),
    "driver_vendor": (1050513, STRING, "Driver Vendor"),
    "revision": (1050551, STRING, "Revision"),
    "supported_instrument_models": (1050327, STRING, "Supported Instrument Models"),
    "manufacturer": (1050511, STRING, "Manufacturer"),
    "model": (1050512, STRING, "Model"),
    "firmware_revision": (1050510, STRING, "Firmware Revision"),
    "logical_name": (1050305, STRING, "Logical Name"),
    "resource_descriptor": (1050304, STRING, "Resource Descriptor"),
}

_BY_DISPLAY_NAME = {display.lower(): (ident, kind) for ident, kind, display in ATTRIBUTES.values()}
_BY_ID = {ident: kind for ident, kind, _ in ATTRIBUTES.values()}


def resolve(attribute, value_type=None):
    """(identifier, value type) of an attribute given by snake_case name,
    display name or identifier. An identifier the table does not know needs
    `value_type`."""
    if isinstance(attribute, str):
        key = attribute.strip()
        found = ATTRIBUTES.get(key.lower().replace(" ", "_")) or _BY_DISPLAY_NAME.get(key.lower())
        if found is None:
            raise KeyError(f"unknown attribute name {attribute!r}")
        ident, kind = found[0], found[1]
    else:
        ident, kind = int(attribute), _BY_ID.get(int(attribute))
    kind = value_type or kind
    if kind not in (INT32, INT64, REAL64, BOOLEAN, STRING):
        raise ValueError(f"attribute {attribute!r} needs a value_type: int32, int64, real64, boolean or string")
    return ident, kind
