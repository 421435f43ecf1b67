-- Privileges of the company database.  The users of the suite (and the
-- transfer utility, which signs in with the operator's own user) work on
-- every table, read the identifier views, draw from the generators behind
-- them and run the procedures.  Granted to PUBLIC over whatever the scripts
-- before this one created; this script runs last.
SET TERM ^ ;
EXECUTE BLOCK AS
  DECLARE VARIABLE N VARCHAR(63);
BEGIN
  FOR SELECT TRIM(RDB$RELATION_NAME) FROM RDB$RELATIONS
       WHERE COALESCE(RDB$SYSTEM_FLAG, 0) = 0 AND RDB$VIEW_BLR IS NULL
        INTO :N DO
    EXECUTE STATEMENT 'GRANT SELECT, INSERT, UPDATE, DELETE ON "' || N || '" TO PUBLIC';

  FOR SELECT TRIM(RDB$RELATION_NAME) FROM RDB$RELATIONS
       WHERE COALESCE(RDB$SYSTEM_FLAG, 0) = 0 AND RDB$VIEW_BLR IS NOT NULL
        INTO :N DO
    EXECUTE STATEMENT 'GRANT SELECT ON "' || N || '" TO PUBLIC';

  -- a view that draws from a generator needs USAGE for the user who selects
  FOR SELECT TRIM(RDB$GENERATOR_NAME) FROM RDB$GENERATORS
       WHERE COALESCE(RDB$SYSTEM_FLAG, 0) = 0
        INTO :N DO
    EXECUTE STATEMENT 'GRANT USAGE ON GENERATOR "' || N || '" TO PUBLIC';

  FOR SELECT TRIM(RDB$PROCEDURE_NAME) FROM RDB$PROCEDURES
       WHERE COALESCE(RDB$SYSTEM_FLAG, 0) = 0
        INTO :N DO
    EXECUTE STATEMENT 'GRANT EXECUTE ON PROCEDURE "' || N || '" TO PUBLIC';

  FOR SELECT TRIM(RDB$EXCEPTION_NAME) FROM RDB$EXCEPTIONS
       WHERE COALESCE(RDB$SYSTEM_FLAG, 0) = 0
        INTO :N DO
    EXECUTE STATEMENT 'GRANT USAGE ON EXCEPTION "' || N || '" TO PUBLIC';
END^
SET TERM ; ^
