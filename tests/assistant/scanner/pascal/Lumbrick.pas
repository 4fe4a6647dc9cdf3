unit Lumbrick;

{ Test stand-in for the error-catching library: VIX records the routine
  names that the protective blocks push, innermost first. }

interface

type
  TLumbrick = class
  public
    Chain: string;
    procedure Push(const RoutineName: string);
  end;

var
  VIX: TLumbrick;

implementation

procedure TLumbrick.Push(const RoutineName: string);
begin
  if Chain <> '' then
    Chain := Chain + ' < ';
  Chain := Chain + RoutineName;
end;

initialization
  VIX := TLumbrick.Create;
finalization
  VIX.Free;
end.
